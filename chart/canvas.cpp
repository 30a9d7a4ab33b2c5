#include "canvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "numbertext.h"

namespace frankierung {

QFont Canvas::font() const {
    QFont f = target_.baseFont();
    if (bold_) {
        f.setBold(*bold_);
    }
    if (points_) {
        f.setPointSizeF(*points_);
    }
    return f;
}

void Canvas::setFontSize(double points) {
    if (points > 0 && std::isfinite(points)) {
        points_ = points;
    }
}

void Canvas::clear() {
    target_.mutableDrawing().clear();
    printPosition_ = target_.scale().user().topLeft();
    target_.cleared();
}

void Canvas::add(DrawingItem item) {
    item.mark = mark_;
    target_.mutableDrawing().append(std::move(item));
    target_.added(target_.mutableDrawing().items().back());
}

DrawingItem Canvas::pen(DrawingItem::Kind kind, QPointF p1, QPointF p2, const QColor& color) const {
    DrawingItem item = blank_;
    item.kind = kind;
    item.p1 = p1;
    item.p2 = p2;
    item.color = color;
    item.penWidth = penWidth_;
    return item;
}

void Canvas::line(double x1, double y1, double x2, double y2) {
    add(pen(DrawingItem::Kind::Line, {x1, y1}, {x2, y2}, penColor_));
    printPosition_ = {x2, y2};
}

void Canvas::box(double x1, double y1, double x2, double y2, const QColor& color) {
    add(pen(DrawingItem::Kind::Box, {x1, y1}, {x2, y2}, color));
}

void Canvas::circle(double cx, double cy, double radius) {
    DrawingItem item = pen(DrawingItem::Kind::Circle, {cx, cy}, {}, penColor_);
    item.radius = radius;
    item.fill = fillColor_;
    add(std::move(item));
}

QString Canvas::joined(std::initializer_list<PrintItem> items) {
    QString text;
    for (const PrintItem& item : items) {
        text += item.isNumber
                    ? QString::fromStdString(signedNumberText(item.value)) + QLatin1Char(' ')
                    : item.string;
    }
    return text;
}

void Canvas::setFontSizeToFit(double points, std::initializer_list<PrintItem> items, double width) {
    setFontSize(points);
    const QString text = joined(items);
    // Measured apart from the kept widths: those serve the few fonts a run prints in.
    setFontSize(shrunkToFit(font(), [&](const QFont& f) {
                    return QFontMetricsF(f, target_.metricsDevice()).horizontalAdvance(text) <=
                           width;
                }).pointSizeF());
}

void Canvas::print(std::initializer_list<PrintItem> items) {
    QString text = joined(items);
    const QFont f = font();
    const QSizeF size = measure(f, text);
    if (!text.isEmpty()) {
        DrawingItem item = pen(DrawingItem::Kind::Text, printPosition_, {}, penColor_);
        item.textSize = size;
        item.text = std::move(text);
        item.font = f;
        add(std::move(item));
    }
    const UserScale scale = target_.scale();
    printPosition_.rx() = scale.user().left();
    if (scale.pixelsPerUnitY() != 0) {
        printPosition_.ry() += size.height() / scale.pixelsPerUnitY();
    }
}

QSizeF Canvas::measure(const QFont& f, const QString& text) {
    const QPaintDevice* device = target_.metricsDevice();
    const int dpi = device != nullptr ? device->logicalDpiY() : 0;
    auto known = std::find_if(measured_.begin(), measured_.end(),
                              [&](const Measured& m) { return m.dpi == dpi && m.font == f; });
    if (known == measured_.end()) {
        if (measured_.size() == kMostFonts) {
            measured_.erase(measured_.begin());
        }
        measured_.push_back({f, dpi, QFontMetricsF(f, device).height(), {}});
        known = measured_.end() - 1;
    } else if (known->widths.size() > kMostMeasured) {
        known->widths.clear();  // a bound on memory only: the widths are measured again
    }
    if (text.isEmpty()) {
        return {0, known->height};
    }
    auto width = known->widths.constFind(text);
    if (width == known->widths.constEnd()) {
        width = known->widths.insert(text, QFontMetricsF(f, device).horizontalAdvance(text));
    }
    return {*width, known->height};
}

}  // namespace frankierung
