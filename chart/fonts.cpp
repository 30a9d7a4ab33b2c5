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

}  // namespace frankierung
