// A picture box: a widget with a user coordinate system, a retained drawing, children placed in
// its user units, an optional sunken border and an optional picture under the drawing.
//
// The drawing is kept as items in user units and painted from them whenever part of the box is
// exposed, so it survives being covered, scrolled and resized and stays crisp at any scale
// factor; the chart is sixteen screens wide, and a pixel image of it would cost far too much.
#pragma once

#include <QColor>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "canvas.h"
#include "drawing.h"
#include "palette.h"
#include "tiles.h"
#include "userscale.h"

class QSvgRenderer;

namespace frankierung {

class PictureBox : public QWidget, private Canvas::Target {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setBackgroundColor(const QColor& c);
    [[nodiscard]] QColor backgroundColor() const { return background_; }
    void setSunkenBorder(bool sunken);  // the standard sunken 3-D border, 2 px each side
    // An SVG resource shown at the given logical size from the inner top-left corner.
    void setPicture(const QString& svgResource, QSize logicalSize);
    void setPictureSize(QSize logicalSize);

    // The coordinate system; twips until a scale is set. A zero or non-finite extent has no
    // mapping and is ignored.
    void setScale(double left, double top, double width, double height);
    void setScaleCorners(double x1, double y1, double x2, double y2);  // (x1, y1) top-left
    [[nodiscard]] UserScale scale() const override;
    [[nodiscard]] QRect innerRect() const;  // logical pixels, inside the border

    // Children placed in user units; the placement is kept when the box is resized or rescaled.
    void placeChild(QWidget* child, double left, double top, double width, double height);
    // Left and top in user units; the child keeps its size in logical pixels.
    void placeChildAt(QWidget* child, double left, double top);
    void setChildLeft(QWidget* child, double left);  // top and pixel size as they are
    // The place in user units as last set, fractions kept; no size for a child placed with its
    // pixel size. A child never placed is read from where it stands.
    [[nodiscard]] QRectF childRect(const QWidget* child) const;

    // What is drawn, and the calls that draw into it. A drawer with a pen of its own (the notes on
    // the chart) takes a canvas of its own on the same drawing.
    [[nodiscard]] Canvas& canvas() { return canvas_; }
    [[nodiscard]] Canvas newCanvas() { return Canvas(*this); }
    [[nodiscard]] const Drawing& drawing() const { return drawing_; }
    // The items from index `from` on, taken off the drawing and the screen, in drawing order.
    [[nodiscard]] std::vector<DrawingItem> takeItems(std::size_t from);
    // Items put back at the drawing's end, each with its own pen and mark, and shown.
    void putItems(std::vector<DrawingItem> items);

signals:
    // Positions in user units; buttons as Qt reports them, on release the released one.
    void mousePressed(QPointF pos, Qt::MouseButtons buttons);
    void mouseMoved(QPointF pos, Qt::MouseButtons buttons);
    void mouseReleased(QPointF pos, Qt::MouseButtons buttons);
    // Everything drawn is gone (a canvas cleared it).
    void drawingCleared();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Placement {
        QPointer<QWidget> child;  // null once the child is gone
        QRectF user;
        bool userSize = false;  // else the child keeps its pixel size
    };
    void place(QWidget* child, const Placement& p);
    void apply(const Placement& p, bool resize = true);
    void relayoutChildren();
    void updateBorderFrame();

    Drawing& mutableDrawing() override { return drawing_; }
    [[nodiscard]] QFont baseFont() const override { return font(); }
    [[nodiscard]] const QPaintDevice* metricsDevice() const override { return this; }
    void added(const DrawingItem& item) override;
    void cleared() override;

    QColor background_ = palette::ground;
    bool sunken_ = false;
    // Children are clipped to the whole box, border included; this frame lies over them so the
    // border stays visible where a wide child (the chart) runs beneath it.
    QWidget* borderFrame_ = nullptr;
    QSize pictureSize_;
    QSvgRenderer* picture_ = nullptr;
    std::optional<QRectF> user_;  // unset: twips
    Drawing drawing_;
    Canvas canvas_{*this};
    bool wholeBoxDirty_ = false;  // cleared, not yet painted
    Tiles tiles_;
    QHash<const QWidget*, Placement> placements_;
};

}  // namespace frankierung
