#include "picturebox.h"

#include <QtWidgets/qdrawutil.h>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "paint.h"

namespace frankierung {

namespace {

constexpr int kBorder = 2;

// Pixel positions far off the widget still have to fit a widget coordinate.
int toWidgetInt(double v) {
    if (!std::isfinite(v)) {
        return v > 0 ? QWIDGETSIZE_MAX : (v < 0 ? -QWIDGETSIZE_MAX : 0);
    }
    return static_cast<int>(
        std::lround(std::clamp(v, -double{QWIDGETSIZE_MAX}, double{QWIDGETSIZE_MAX})));
}

// Paints only the sunken border ring; masked to it and transparent for the mouse.
class BorderFrame final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, kBorder);
    }
};

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted by paintEvent; nothing needs to be erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button are reported too, like any picture box does.
    setMouseTracking(true);
}

void PictureBox::setBackgroundColor(const QColor& c) {
    background_ = c;
    tiles_.clear();
    update();
}

void PictureBox::setSunkenBorder(bool sunken) {
    sunken_ = sunken;
    if (sunken_ && borderFrame_ == nullptr) {
        borderFrame_ = new BorderFrame(this);
        borderFrame_->setAttribute(Qt::WA_TransparentForMouseEvents);
        borderFrame_->setFocusPolicy(Qt::NoFocus);
    }
    tiles_.clear();
    relayoutChildren();
    update();
}

void PictureBox::updateBorderFrame() {
    if (borderFrame_ == nullptr) {
        return;
    }
    borderFrame_->setVisible(sunken_);
    borderFrame_->setGeometry(rect());
    borderFrame_->setMask(QRegion(rect()).subtracted(QRegion(innerRect())));
    borderFrame_->raise();
}

void PictureBox::setPicture(const QString& svgResource, QSize logicalSize) {
    delete picture_;
    picture_ = new QSvgRenderer(svgResource, this);
    pictureSize_ = logicalSize;
    tiles_.clear();
    update();
}

void PictureBox::setPictureSize(QSize logicalSize) {
    pictureSize_ = logicalSize;
    tiles_.clear();
    update();
}

// --- Coordinate system ---

void PictureBox::setScale(double left, double top, double width, double height) {
    if (!(std::isfinite(left) && std::isfinite(top) && std::isfinite(width) &&
          std::isfinite(height)) ||
        width == 0 || height == 0) {
        return;
    }
    user_ = QRectF(left, top, width, height);
    tiles_.clear();
    relayoutChildren();
    update();
}

void PictureBox::setScaleCorners(double x1, double y1, double x2, double y2) {
    setScale(x1, y1, x2 - x1, y2 - y1);
}

UserScale PictureBox::scale() const {
    return user_ ? UserScale(*user_, innerRect()) : UserScale::twips(innerRect());
}

QRect PictureBox::innerRect() const {
    const int b = sunken_ ? kBorder : 0;
    const QRect r = rect().adjusted(b, b, -b, -b);
    return r.isValid() ? r : QRect(r.topLeft(), QSize(0, 0));
}

// --- Children ---

void PictureBox::placeChild(QWidget* child, double left, double top, double width, double height) {
    place(child, {child, QRectF(left, top, width, height), true});
}

void PictureBox::placeChildAt(QWidget* child, double left, double top) {
    place(child, {child, QRectF(left, top, 0, 0), false});
}

void PictureBox::setChildLeft(QWidget* child, double left) {
    const auto it = placements_.constFind(child);
    Placement p =
        it != placements_.cend() && it->child ? *it : Placement{child, childRect(child), false};
    p.user.moveLeft(left);
    placements_[child] = p;
    // Moved, never resized: a wide child that slides (the scrolled chart) keeps its pixels and
    // what it has painted; the next placement or rescale rounds both edges again.
    apply(p, false);
}

QRectF PictureBox::childRect(const QWidget* child) const {
    if (const auto it = placements_.constFind(child); it != placements_.cend() && it->child) {
        return it->user;
    }
    return {scale().toUser(QPointF(child->pos())), QSizeF()};
}

void PictureBox::place(QWidget* child, const Placement& p) {
    placements_[child] = p;
    apply(p);
}

void PictureBox::apply(const Placement& p, bool resize) {
    QWidget* child = p.child;
    if (borderFrame_ != nullptr) {
        borderFrame_->raise();
    }
    const UserScale s = scale();
    const QPointF topLeft = s.toPixels(p.user.topLeft());
    const QPoint at(toWidgetInt(topLeft.x()), toWidgetInt(topLeft.y()));
    if (!p.userSize || !resize) {
        child->move(at);
        return;
    }
    // Both edges rounded, not the extent, so children that meet in user units meet on screen.
    const QPointF bottomRight = s.toPixels(p.user.bottomRight());
    child->setGeometry(
        QRect(at, QPoint(toWidgetInt(bottomRight.x()) - 1, toWidgetInt(bottomRight.y()) - 1))
            .normalized());
}

void PictureBox::relayoutChildren() {
    updateBorderFrame();
    for (const Placement& p : std::as_const(placements_)) {
        if (p.child) {
            apply(p);
        }
    }
}

// --- Drawing ---

void PictureBox::added(const DrawingItem& item) {
    // After a clear the whole box is due for a repaint anyway; thousands of small dirty
    // rectangles on top of that would only make the toolkit merge regions.
    if (!wholeBoxDirty_) {
        update(pixelBounds(item, scale()).toAlignedRect());
    }
}

void PictureBox::cleared() {
    tiles_.clear();
    update();
    wholeBoxDirty_ = true;
    emit drawingCleared();
}

std::vector<DrawingItem> PictureBox::takeItems(std::size_t from) {
    const std::vector<DrawingItem>& all = drawing_.items();
    if (from >= all.size()) {
        return {};
    }
    std::vector<DrawingItem> taken(all.begin() + static_cast<std::ptrdiff_t>(from), all.end());
    const UserScale s = scale();
    QRectF area;
    for (const DrawingItem& item : taken) {
        area |= pixelBounds(item, s);
    }
    drawing_.truncate(from);
    tiles_.truncated(from, area.toAlignedRect());
    update(area.toAlignedRect());
    return taken;
}

void PictureBox::putItems(std::vector<DrawingItem> items) {
    // One repaint for all of them: a long stroke would otherwise queue thousands of small ones.
    const UserScale s = scale();
    QRectF area;
    for (DrawingItem& item : items) {
        area |= pixelBounds(item, s);
        drawing_.append(std::move(item));
    }
    update(area.toAlignedRect());
}

void PictureBox::paintEvent(QPaintEvent* event) {
    wholeBoxDirty_ = false;
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
    if (sunken_) {
        qDrawShadePanel(&painter, rect(), palette(), true, kBorder);
    }
    const QRect inner = innerRect();
    const UserScale userScale = scale();
    const auto paintArea = [&](QPainter& p, const QRect& area, std::size_t from) {
        if (from == 0) {
            p.fillRect(area, background_);
            const QRectF picture(inner.topLeft(), QSizeF(pictureSize_));
            if (picture_ != nullptr && picture_->isValid() && picture.intersects(area)) {
                picture_->render(&p, picture);
            }
        }
        paint(p, drawing_, userScale, area, from);
    };
    if (drawing_.empty()) {
        // Nothing recorded to keep (a stamp's picture): painted in place, as it always was.
        painter.setClipRect(inner, Qt::IntersectClip);
        paintArea(painter, event->rect() & inner, 0);
    } else {
        tiles_.paint(painter, event->rect(), inner, devicePixelRatio(), drawing_.size(), paintArea);
    }
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    tiles_.clear();
    relayoutChildren();
}

// --- Mouse ---

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(scale().toUser(event->position()), event->buttons());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(scale().toUser(event->position()), event->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(scale().toUser(event->position()), event->button());
}

}  // namespace frankierung
