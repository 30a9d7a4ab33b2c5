#include "userscale.h"

namespace frankierung {

UserScale::UserScale(const QRectF& user, const QRectF& pixels)
    : UserScale(user, pixels, pixels.width() / user.width(), pixels.height() / user.height()) {}

UserScale::UserScale(const QRectF& user, const QRectF& pixels, double sx, double sy)
    : user_(user), pixels_(pixels), sx_(sx), sy_(sy) {}

UserScale UserScale::twips(const QRectF& pixels) {
    const QRectF user(0, 0, pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel);
    return {user, pixels, 1 / kTwipsPerPixel, 1 / kTwipsPerPixel};
}

QRectF UserScale::toPixels(const QRectF& user) const {
    return QRectF(toPixels(user.topLeft()), toPixels(user.bottomRight())).normalized();
}

QPointF UserScale::toUser(QPointF pixels) const {
    return {sx_ != 0 ? user_.left() + (pixels.x() - pixels_.left()) / sx_ : user_.left(),
            sy_ != 0 ? user_.top() + (pixels.y() - pixels_.top()) / sy_ : user_.top()};
}

}  // namespace frankierung
