#include "picturebox.h"

#include <QtWidgets/qdrawutil.h>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <utility>

#include "numbertext.h"

namespace frankierung {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr int kBorder = 2;
// Antialiased edges and round caps reach a little beyond the geometry.
constexpr double kBleed = 1.0;
constexpr double kTextBleed = 2.0;

// Pixel positions far off the widget still have to fit a widget coordinate.
int toWidgetInt(double v) {
    if (!std::isfinite(v)) {
        return v > 0 ? QWIDGETSIZE_MAX : (v < 0 ? -QWIDGETSIZE_MAX : 0);
    }
    return static_cast<int>(
        std::lround(std::clamp(v, -double{QWIDGETSIZE_MAX}, double{QWIDGETSIZE_MAX})));
}

double penOf(const Primitive& p) {
    return std::max(1, p.penWidth);
}

// A 1-px line on a whole pixel coordinate would straddle two pixels; odd widths go to the
// pixel centre, even widths to the pixel edge, so the line covers whole pixels.
double snapLine(double v, double width) {
    const int w = static_cast<int>(width);
    return (w % 2 == 1) ? std::floor(v) + 0.5 : std::round(v);
}

// A line's ends in pixels; upright and level lines snapped so thin ones come out sharp.
std::pair<QPointF, QPointF> linePixels(const PictureBox& box, const Primitive& p) {
    const double w = penOf(p);
    QPointF a = box.toPixels(p.p1);
    QPointF b = box.toPixels(p.p2);
    if (a.x() == b.x()) {
        a.rx() = b.rx() = snapLine(a.x(), w);
    } else if (a.y() == b.y()) {
        a.ry() = b.ry() = snapLine(a.y(), w);
    }
    return {a, b};
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted by paintEvent; nothing needs to be erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button are reported too, like any picture box does.
    setMouseTracking(true);
}

PictureBox::~PictureBox() {
    // The children outlive this part of the object; their destruction must not reach back.
    for (auto it = placements_.cbegin(); it != placements_.cend(); ++it) {
        disconnect(it.key(), nullptr, this, nullptr);
    }
}

// --- Look ---

void PictureBox::setBackColor(const QColor& c) {
    backColor_ = c;
    update();
}

namespace {

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

void PictureBox::setSunkenBorder(bool sunken) {
    if (sunken_ == sunken) {
        return;
    }
    sunken_ = sunken;
    if (sunken_ && borderFrame_ == nullptr) {
        borderFrame_ = new BorderFrame(this);
        borderFrame_->setAttribute(Qt::WA_TransparentForMouseEvents);
        borderFrame_->setFocusPolicy(Qt::NoFocus);
    }
    updateBorderFrame();
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
    picture_ = nullptr;
    picturePath_ = svgResource;
    pictureSize_ = logicalSize;
    if (!svgResource.isEmpty()) {
        picture_ = new QSvgRenderer(svgResource, this);
    }
    update();
}

// --- Coordinate system ---

void PictureBox::setScale(double left, double top, double width, double height) {
    // A zero or non-finite extent has no mapping; the scale stays as it was.
    if (!(std::isfinite(left) && std::isfinite(top) && std::isfinite(width) &&
          std::isfinite(height)) ||
        width == 0 || height == 0) {
        return;
    }
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = width;
    scaleHeight_ = height;
    twips_ = false;
    relayoutChildren();
    update();
}

void PictureBox::setScaleCorners(double x1, double y1, double x2, double y2) {
    setScale(x1, y1, x2 - x1, y2 - y1);
}

void PictureBox::setTwipsScale() {
    scaleLeft_ = 0;
    scaleTop_ = 0;
    twips_ = true;
    relayoutChildren();
    update();
}

double PictureBox::scaleWidth() const {
    return twips_ ? innerRect().width() * kTwipsPerPixel : scaleWidth_;
}

double PictureBox::scaleHeight() const {
    return twips_ ? innerRect().height() * kTwipsPerPixel : scaleHeight_;
}

QRect PictureBox::innerRect() const {
    const int b = sunken_ ? kBorder : 0;
    const QRect r = rect().adjusted(b, b, -b, -b);
    return r.isValid() ? r : QRect(r.topLeft(), QSize(0, 0));
}

double PictureBox::pixelsPerUnitX() const {
    return twips_ ? 1.0 / kTwipsPerPixel : innerRect().width() / scaleWidth_;
}

double PictureBox::pixelsPerUnitY() const {
    return twips_ ? 1.0 / kTwipsPerPixel : innerRect().height() / scaleHeight_;
}

QPointF PictureBox::toPixels(QPointF user) const {
    const QRect inner = innerRect();
    return {inner.left() + (user.x() - scaleLeft_) * pixelsPerUnitX(),
            inner.top() + (user.y() - scaleTop_) * pixelsPerUnitY()};
}

QPointF PictureBox::toUser(QPointF pixels) const {
    const QRect inner = innerRect();
    const double sx = pixelsPerUnitX();
    const double sy = pixelsPerUnitY();
    // An empty inner area maps every pixel to the top-left corner.
    return {sx != 0 ? scaleLeft_ + (pixels.x() - inner.left()) / sx : scaleLeft_,
            sy != 0 ? scaleTop_ + (pixels.y() - inner.top()) / sy : scaleTop_};
}

// --- Children ---

void PictureBox::placeChild(QWidget* child, double left, double top, double width, double height) {
    if (child == nullptr) {
        return;
    }
    if (!placements_.contains(child)) {
        connect(child, &QObject::destroyed, this, [this, child] { placements_.remove(child); });
    }
    Placement& p = placements_[child];
    p = {left, top, width, height, true};
    applyPlacement(child, p);
}

void PictureBox::placeChildAt(QWidget* child, double left, double top) {
    if (child == nullptr) {
        return;
    }
    if (!placements_.contains(child)) {
        connect(child, &QObject::destroyed, this, [this, child] { placements_.remove(child); });
    }
    Placement& p = placements_[child];
    p = {left, top, 0, 0, false};
    applyPlacement(child, p);
}

void PictureBox::setChildLeft(QWidget* child, double left) {
    if (child == nullptr) {
        return;
    }
    const auto it = placements_.constFind(child);
    if (it == placements_.cend()) {
        placeChildAt(child, left, childTop(child));
        return;
    }
    Placement p = *it;
    p.left = left;
    if (p.userSize) {
        placeChild(child, p.left, p.top, p.width, p.height);
    } else {
        placeChildAt(child, p.left, p.top);
    }
}

double PictureBox::childLeft(const QWidget* child) const {
    const auto it = placements_.constFind(child);
    if (it != placements_.cend()) {
        return it->left;
    }
    return child != nullptr ? toUser(QPointF(child->pos())).x() : 0.0;
}

double PictureBox::childTop(const QWidget* child) const {
    const auto it = placements_.constFind(child);
    if (it != placements_.cend()) {
        return it->top;
    }
    return child != nullptr ? toUser(QPointF(child->pos())).y() : 0.0;
}

double PictureBox::childWidth(const QWidget* child) const {
    const auto it = placements_.constFind(child);
    if (it != placements_.cend() && it->userSize) {
        return it->width;
    }
    const double s = pixelsPerUnitX();
    return child != nullptr && s != 0 ? child->width() / s : 0.0;
}

double PictureBox::childHeight(const QWidget* child) const {
    const auto it = placements_.constFind(child);
    if (it != placements_.cend() && it->userSize) {
        return it->height;
    }
    const double s = pixelsPerUnitY();
    return child != nullptr && s != 0 ? child->height() / s : 0.0;
}

void PictureBox::applyPlacement(QWidget* child, const Placement& p) {
    if (borderFrame_ != nullptr) {
        borderFrame_->raise();
    }
    const QPointF topLeft = toPixels({p.left, p.top});
    const int x = toWidgetInt(topLeft.x());
    const int y = toWidgetInt(topLeft.y());
    if (!p.userSize) {
        child->move(x, y);
        return;
    }
    // Both edges rounded, not the extent, so children that meet in user units meet on screen.
    const QPointF bottomRight = toPixels({p.left + p.width, p.top + p.height});
    const QRect r = QRect(QPoint(x, y), QPoint(toWidgetInt(bottomRight.x()) - 1,
                                               toWidgetInt(bottomRight.y()) - 1))
                        .normalized();
    child->setGeometry(r);
}

void PictureBox::relayoutChildren() {
    updateBorderFrame();
    for (auto it = placements_.cbegin(); it != placements_.cend(); ++it) {
        applyPlacement(const_cast<QWidget*>(it.key()), it.value());
    }
}

// --- Drawing state ---

QFont PictureBox::drawingFont() const {
    QFont f = font();
    if (fontBoldSet_) {
        f.setBold(*fontBoldSet_);
    }
    if (fontPointsSet_) {
        f.setPointSizeF(*fontPointsSet_);
    }
    return f;
}

void PictureBox::setFontBold(bool bold) {
    fontBoldSet_ = bold;
}

bool PictureBox::fontBold() const {
    return drawingFont().bold();
}

void PictureBox::setFontSize(double points) {
    if (points > 0 && std::isfinite(points)) {
        fontPointsSet_ = points;
    }
}

double PictureBox::fontSize() const {
    return drawingFont().pointSizeF();
}

// --- Drawing ---

void PictureBox::cls() {
    primitives_.clear();
    currentX_ = scaleLeft_;
    currentY_ = scaleTop_;
    update();
    wholeBoxDirty_ = true;
}

void PictureBox::setPrimitives(std::vector<Primitive> primitives) {
    primitives_ = std::move(primitives);
    update();
    wholeBoxDirty_ = true;
}

void PictureBox::line(double x1, double y1, double x2, double y2) {
    Primitive p;
    p.kind = Primitive::Kind::Line;
    p.p1 = {x1, y1};
    p.p2 = {x2, y2};
    p.color = foreColor_;
    p.penWidth = drawWidth_;
    record(std::move(p));
    currentX_ = x2;
    currentY_ = y2;
}

void PictureBox::box(double x1, double y1, double x2, double y2, const QColor& color) {
    Primitive p;
    p.kind = Primitive::Kind::Box;
    p.p1 = {x1, y1};
    p.p2 = {x2, y2};
    p.color = color;
    p.penWidth = drawWidth_;
    record(std::move(p));
}

void PictureBox::circle(double cx, double cy, double radius) {
    Primitive p;
    p.kind = Primitive::Kind::Circle;
    p.p1 = {cx, cy};
    p.radius = radius;
    p.color = foreColor_;
    p.fill = fillColor_;
    p.penWidth = drawWidth_;
    record(std::move(p));
}

void PictureBox::print(std::initializer_list<PrintItem> items) {
    QString text;
    for (const PrintItem& item : items) {
        if (item.isNumber) {
            text += QString::fromStdString(signedNumberText(item.value));
            text += QLatin1Char(' ');
        } else {
            text += item.string;
        }
    }
    const QFont f = drawingFont();
    const QFontMetricsF metrics(f, this);
    if (!text.isEmpty()) {
        Primitive p;
        p.kind = Primitive::Kind::Text;
        p.p1 = {currentX_, currentY_};
        p.color = foreColor_;
        p.penWidth = drawWidth_;
        p.text = std::move(text);
        p.font = f;
        p.textSize = {metrics.horizontalAdvance(p.text), metrics.height()};
        record(std::move(p));
    }
    currentX_ = scaleLeft_;
    const double sy = pixelsPerUnitY();
    if (sy != 0) {
        currentY_ += metrics.height() / sy;
    }
}

void PictureBox::record(Primitive p) {
    primitives_.push_back(std::move(p));
    // After a clear the whole box is due for a repaint anyway; thousands of small dirty
    // rectangles on top of that would only make the toolkit merge regions.
    if (!wholeBoxDirty_) {
        update(pixelBounds(primitives_.back()).toAlignedRect());
    }
}

// --- Geometry in pixels ---

QRectF PictureBox::pixelBounds(const Primitive& p) const {
    switch (p.kind) {
        case Primitive::Kind::Line: {
            const auto [a, b] = linePixels(*this, p);
            const double m = penOf(p) / 2 + kBleed;
            return QRectF(a, b).normalized().adjusted(-m, -m, m, m);
        }
        case Primitive::Kind::Box: {
            // Whole pixels, so that boxes sharing an edge in user units share it on screen.
            const QRectF r = QRectF(toPixels(p.p1), toPixels(p.p2)).normalized();
            const double left = std::round(r.left());
            const double top = std::round(r.top());
            const double right = std::max(std::round(r.right()), left + 1);
            const double bottom = std::max(std::round(r.bottom()), top + 1);
            return {QPointF(left, top), QPointF(right, bottom)};
        }
        case Primitive::Kind::Circle: {
            const QPointF c = toPixels(p.p1);
            const double r = std::abs(p.radius * pixelsPerUnitX()) + penOf(p) / 2 + kBleed;
            return {c.x() - r, c.y() - r, 2 * r, 2 * r};
        }
        case Primitive::Kind::Text:
            return QRectF(toPixels(p.p1), p.textSize)
                .adjusted(-kTextBleed, -kTextBleed, kTextBleed, kTextBleed);
    }
    return {};
}

// --- Painting ---

void PictureBox::paintPrimitive(QPainter& painter, const Primitive& p) const {
    switch (p.kind) {
        case Primitive::Kind::Line: {
            const auto [a, b] = linePixels(*this, p);
            painter.setPen(QPen(p.color, penOf(p), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawLine(a, b);
            return;
        }
        case Primitive::Kind::Box:
            // Without antialiasing: adjacent boxes must not show a blended seam.
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.fillRect(pixelBounds(p), p.color);
            painter.setRenderHint(QPainter::Antialiasing, true);
            return;
        case Primitive::Kind::Circle: {
            const double r = std::abs(p.radius * pixelsPerUnitX());
            painter.setPen(QPen(p.color, penOf(p)));
            painter.setBrush(p.fill);
            painter.drawEllipse(toPixels(p.p1), r, r);
            return;
        }
        case Primitive::Kind::Text:
            painter.setFont(p.font);
            painter.setPen(p.color);
            painter.drawText(QRectF(toPixels(p.p1), p.textSize),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                             p.text);
            return;
    }
}

void PictureBox::paintEvent(QPaintEvent* event) {
    wholeBoxDirty_ = false;
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, backColor_);
    if (sunken_) {
        qDrawShadePanel(&painter, rect(), palette(), true, kBorder);
    }
    const QRect inner = innerRect();
    painter.setClipRect(inner, Qt::IntersectClip);
    if (picture_ != nullptr && picture_->isValid()) {
        const QRectF where(QPointF(inner.topLeft()), QSizeF(pictureSize_));
        if (where.intersects(QRectF(exposed))) {
            picture_->render(&painter, where);
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRegion& region = event->region();
    const bool complexRegion = region.rectCount() > 1;
    const QRectF exposedF(exposed & inner);
    int painted = 0;
    for (const Primitive& p : primitives_) {
        const QRectF bounds = pixelBounds(p);
        if (!bounds.intersects(exposedF)) {
            continue;
        }
        if (complexRegion && !region.intersects(bounds.toAlignedRect())) {
            continue;
        }
        paintPrimitive(painter, p);
        ++painted;
    }
    lastPaintCount_ = painted;
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayoutChildren();
}

// --- Mouse ---

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(toUser(event->position()), event->buttons());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(toUser(event->position()), event->buttons());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    // The released button itself, since buttons() no longer holds it.
    emit mouseReleased(toUser(event->position()), event->button());
}

}  // namespace frankierung
