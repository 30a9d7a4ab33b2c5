#include "paint.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace frankierung {

namespace {

// Antialiased edges and round caps reach a little beyond the geometry.
constexpr double kBleed = 1.0;
constexpr double kTextBleed = 2.0;
// More items than this to catch up with (a long stroke brought back) are found by the index.
constexpr std::size_t kFewItems = 1024;

double penOf(const DrawingItem& item) {
    return std::max(1, item.penWidth);
}

// A 1-px line on a whole pixel coordinate would straddle two pixels; odd widths go to the
// pixel centre, even widths to the pixel edge, so the line covers whole pixels.
double snapLine(double v, double width) {
    return (static_cast<int>(width) % 2 == 1) ? std::floor(v) + 0.5 : std::round(v);
}

// A line's ends in pixels; upright and level lines snapped so thin ones come out sharp.
QLineF linePixels(const DrawingItem& item, const UserScale& scale) {
    QPointF a = scale.toPixels(item.p1);
    QPointF b = scale.toPixels(item.p2);
    if (a.x() == b.x()) {
        a.rx() = b.rx() = snapLine(a.x(), penOf(item));
    } else if (a.y() == b.y()) {
        a.ry() = b.ry() = snapLine(a.y(), penOf(item));
    }
    return {a, b};
}

void paintItem(QPainter& painter, const DrawingItem& item, const UserScale& scale,
               const QRectF& exposed) {
    switch (item.kind) {
        case DrawingItem::Kind::Line:
            painter.setPen(
                QPen(item.color, penOf(item), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawLine(linePixels(item, scale));
            return;
        case DrawingItem::Kind::Box:
            // Without antialiasing: adjacent boxes must not show a blended seam.
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.fillRect(pixelBounds(item, scale) & exposed, item.color);
            painter.setRenderHint(QPainter::Antialiasing, true);
            return;
        case DrawingItem::Kind::Circle: {
            const double r = std::abs(item.radius * scale.pixelsPerUnitX());
            painter.setPen(QPen(item.color, penOf(item)));
            painter.setBrush(item.fill);
            painter.drawEllipse(scale.toPixels(item.p1), r, r);
            return;
        }
        case DrawingItem::Kind::Text:
            painter.setFont(item.font);
            painter.setPen(item.color);
            painter.drawText(QRectF(scale.toPixels(item.p1), item.textSize),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine,
                             item.text);
            return;
    }
}

}  // namespace

QRectF pixelBounds(const DrawingItem& item, const UserScale& scale) {
    switch (item.kind) {
        case DrawingItem::Kind::Line: {
            const QLineF line = linePixels(item, scale);
            const double m = penOf(item) / 2 + kBleed;
            return QRectF(line.p1(), line.p2()).normalized().adjusted(-m, -m, m, m);
        }
        case DrawingItem::Kind::Box: {
            const QRectF r = QRectF(scale.toPixels(item.p1), scale.toPixels(item.p2)).normalized();
            const double left = std::round(r.left());
            const double top = std::round(r.top());
            return {QPointF(left, top), QPointF(std::max(std::round(r.right()), left + 1),
                                                std::max(std::round(r.bottom()), top + 1))};
        }
        case DrawingItem::Kind::Circle: {
            const QPointF c = scale.toPixels(item.p1);
            const double r =
                std::abs(item.radius * scale.pixelsPerUnitX()) + penOf(item) / 2 + kBleed;
            return {c.x() - r, c.y() - r, 2 * r, 2 * r};
        }
        case DrawingItem::Kind::Text:
            return QRectF(scale.toPixels(item.p1), item.textSize)
                .adjusted(-kTextBleed, -kTextBleed, kTextBleed, kTextBleed);
    }
    return {};
}

void paint(QPainter& painter, const Drawing& drawing, const UserScale& scale, const QRectF& exposed,
           std::size_t firstItem) {
    // The part of the x axis in view, widened by what pens and texts reach beyond their place.
    const double sx = std::abs(scale.pixelsPerUnitX());
    if (sx == 0 || drawing.empty()) {
        return;
    }
    const double pen = drawing.widestPen() / 2.0 + kBleed;
    const double from = scale.toUser(exposed.topLeft()).x();
    const double to = scale.toUser(exposed.topRight()).x();
    const auto [left, right] = std::minmax(from, to);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const auto paintIfExposed = [&](std::size_t i) {
        const DrawingItem& item = drawing.items()[i];
        if (pixelBounds(item, scale).intersects(exposed)) {
            paintItem(painter, item, scale, exposed);
        }
    };
    if (firstItem > 0 && drawing.size() - firstItem <= kFewItems) {
        // Catching up with what was drawn since (a note's segments): few items, no index needed.
        for (std::size_t i = firstItem; i < drawing.size(); ++i) {
            paintIfExposed(i);
        }
    } else {
        for (const std::uint32_t i : drawing.near(
                 left - (drawing.widestText() + kTextBleed + pen) / sx, right + pen / sx)) {
            if (i >= firstItem) {
                paintIfExposed(i);
            }
        }
    }
    painter.restore();
}

}  // namespace frankierung
