#include "boardpicture.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "paint.h"
#include "picturebox.h"

namespace frankierung {

BoardPicture::BoardPicture(const PictureBox& chart, double left, double right) : chart_(chart) {
    const UserScale screen = chart.scale();
    const QRectF rows = screen.user();
    const QSizeF full(std::abs((right - left) * screen.pixelsPerUnitX()),
                      std::abs(rows.height() * screen.pixelsPerUnitY()));
    scale_ = UserScale(QRectF(left, rows.top(), right - left, rows.height()),
                       QRectF(QPointF(0, 0), full));
    const double area = std::max(1.0, full.width() * full.height());
    shrink_ = std::min(
        {1.0, kMostPngSide / std::max(1.0, full.width()), std::sqrt(kMostPngPixels / area)});
    // Whole pixels, not one more for a rounding error's sake.
    const auto pixels = [this](double extent) {
        return std::max(1, static_cast<int>(std::ceil(extent * shrink_ - 1e-6)));
    };
    size_ = QSize(pixels(full.width()), pixels(full.height()));
}

int BoardPicture::dpi() const {
    return chart_.logicalDpiY();
}

void BoardPicture::paint(QPainter& painter, const QRect& area, bool /*deviceClips*/) const {
    painter.save();
    painter.fillRect(area, chart_.backgroundColor());
    painter.scale(shrink_, shrink_);
    const QRectF exposed(QPointF(area.topLeft()) / shrink_, QSizeF(area.size()) / shrink_);
    frankierung::paint(painter, chart_.drawing(), scale_, exposed);
    painter.restore();
}

}  // namespace frankierung
