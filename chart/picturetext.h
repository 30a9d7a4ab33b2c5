// Texts in a picture painted into any rectangle: sized in the painter's own device units and
// fitted to the room they have, so that they keep their proportions on any device.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>

class QPainter;

namespace frankierung {

// The design's face at that height in device units.
[[nodiscard]] QFont pictureFont(double height, bool bold = false);

// The largest height, at most `height`, at which every line fits `width` on the painter's device.
[[nodiscard]] double fittingHeight(QPainter& p, const QStringList& lines, double width,
                                   double height);

// In the box as the flags align it; never clipped to it.
void drawPictureText(QPainter& p, const QRectF& box, const QString& text, const QColor& color,
                     const QFont& font, int flags = Qt::AlignCenter);

}  // namespace frankierung
