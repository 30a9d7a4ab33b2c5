#include "picturetext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "fonts.h"

namespace frankierung {

QFont pictureFont(double height, bool bold) {
    QFont font = timesFont(12, bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height))));
    return font;
}

double fittingHeight(QPainter& p, const QStringList& lines, double width, double height) {
    // Widths grow with the height: measured once, at a height of 100.
    const QFontMetricsF probe(pictureFont(100), p.device());
    double widest = 1;
    for (const QString& line : lines) {
        widest = std::max(widest, probe.horizontalAdvance(line));
    }
    return std::min(height, 100 * width / widest);
}

void drawPictureText(QPainter& p, const QRectF& box, const QString& text, const QColor& color,
                     const QFont& font, int flags) {
    p.setFont(font);
    p.setPen(color);
    p.drawText(box, flags | Qt::TextDontClip, text);
}

}  // namespace frankierung
