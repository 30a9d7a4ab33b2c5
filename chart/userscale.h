// A box's user coordinates against its pixels: the one place that maps between the two.
#pragma once

#include <QPointF>
#include <QRectF>

namespace frankierung {

// The design measures in twips; 15 twips make one logical pixel, so high-DPI screens scale.
inline constexpr double kTwipsPerPixel = 15.0;

class UserScale {
public:
    UserScale() = default;
    // The user rectangle (left, top, width, height; a negative extent turns its axis round)
    // spread over the pixel area.
    UserScale(const QRectF& user, const QRectF& pixels);
    // Twips from the area's top-left corner, whatever its size.
    [[nodiscard]] static UserScale twips(const QRectF& pixels);

    [[nodiscard]] const QRectF& user() const { return user_; }
    [[nodiscard]] const QRectF& pixels() const { return pixels_; }
    // Worked out as (user - left) * scale, not through a matrix: edges that meet in user
    // units round to the same pixel. Inline: painting maps every item in view.
    [[nodiscard]] QPointF toPixels(QPointF user) const {
        return {pixels_.left() + (user.x() - user_.left()) * sx_,
                pixels_.top() + (user.y() - user_.top()) * sy_};
    }
    [[nodiscard]] QRectF toPixels(const QRectF& user) const;
    // For the mouse; an area without extent maps every pixel to the user top-left corner.
    [[nodiscard]] QPointF toUser(QPointF pixels) const;
    [[nodiscard]] double pixelsPerUnitX() const { return sx_; }
    [[nodiscard]] double pixelsPerUnitY() const { return sy_; }

private:
    UserScale(const QRectF& user, const QRectF& pixels, double sx, double sy);

    QRectF user_{0, 0, 1, 1};
    QRectF pixels_;
    double sx_ = 0;
    double sy_ = 0;
};

}  // namespace frankierung
