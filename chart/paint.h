// One paint routine for a drawing, on the screen, into an image, an SVG or a PDF.
#pragma once

#include <QRectF>

#include "drawing.h"
#include "userscale.h"

class QPainter;

namespace frankierung {

// The pixels an item covers at this scale, pen and antialiased edges included; boxes cover
// whole pixels, so that boxes sharing an edge in user units share it on screen.
[[nodiscard]] QRectF pixelBounds(const DrawingItem& item, const UserScale& scale);

// Paints the items from index `firstItem` on that reach into `exposed` (pixels). Boxes are cut to
// `exposed`, for paint devices that cannot clip.
void paint(QPainter& painter, const Drawing& drawing, const UserScale& scale, const QRectF& exposed,
           std::size_t firstItem = 0);

}  // namespace frankierung
