#include "fonts.h"

namespace frankierung {

QFont designFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QFont timesFont(double points, bool bold) {
    return designFont(QStringLiteral("Times New Roman"), points, bold);
}

QFont shrunkToFit(QFont font, const std::function<bool(const QFont&)>& fits) {
    while (!fits(font) && font.pointSizeF() - 0.25 >= kSmallestCaptionPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    return font;
}

}  // namespace frankierung
