// A picture box: a widget with a user coordinate system and a retained stored image.
//
// Everything drawn into the box is recorded as primitives in user units and painted from
// that record whenever part of the box is exposed, so drawings survive being covered,
// scrolled and resized and stay crisp at any scale factor. The chart is sixteen screens wide;
// a pixel backing image of it would cost far too much memory.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <vector>

class QSvgRenderer;

namespace frankierung {

// One item of a print call: a number prints as its signed number text followed by one blank
// (" 6 ", "-3 "), a text prints unchanged.
struct PrintItem {
    static PrintItem number(double v) { return {true, v, {}}; }
    static PrintItem text(QString t) { return {false, 0.0, std::move(t)}; }
    bool isNumber = false;
    double value = 0.0;
    QString string;
};

// A recorded drawing operation, in user units; colours and pen width as they stood when it was
// drawn. Exposed for tests and for the accessibility summary.
struct Primitive {
    enum class Kind { Line, Box, Circle, Text };
    Kind kind = Kind::Line;
    QPointF p1;           // Line: start; Box: first corner; Circle: centre; Text: top-left
    QPointF p2;           // Line: end; Box: second corner
    double radius = 0.0;  // Circle, in units of the x axis
    QColor color;         // pen colour, box colour or text colour
    QColor fill;          // Circle: the box's fill colour
    int penWidth = 1;     // logical pixels
    QString text;         // Text
    QFont font;           // Text
    QSizeF textSize;      // Text: its extent in logical pixels
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // --- Look ---
    void setBackColor(const QColor& c);
    [[nodiscard]] QColor backColor() const { return backColor_; }
    void setSunkenBorder(bool sunken);  // the standard sunken 3-D border, 2 px each side
    [[nodiscard]] bool hasSunkenBorder() const { return sunken_; }
    // A picture shown at the given logical size from the inner top-left corner, under the
    // drawing. An SVG resource, so it is crisp at any scale factor.
    void setPicture(const QString& svgResource, QSize logicalSize);
    [[nodiscard]] QString picturePath() const { return picturePath_; }

    // --- Coordinate system (default: twips, 15 per logical pixel, origin top-left) ---
    void setScale(double left, double top, double width, double height);
    void setScaleCorners(double x1, double y1, double x2, double y2);  // (x1,y1) top-left
    void setTwipsScale();
    [[nodiscard]] double scaleLeft() const { return scaleLeft_; }
    [[nodiscard]] double scaleTop() const { return scaleTop_; }
    [[nodiscard]] double scaleWidth() const;  // user units across the inner area
    [[nodiscard]] double scaleHeight() const;
    [[nodiscard]] QRect innerRect() const;               // logical pixels, inside the border
    [[nodiscard]] QPointF toPixels(QPointF user) const;  // widget pixel coordinates
    [[nodiscard]] QPointF toUser(QPointF pixels) const;
    [[nodiscard]] double pixelsPerUnitX() const;
    [[nodiscard]] double pixelsPerUnitY() const;

    // --- Children placed in user units; kept when the box is resized or rescaled ---
    // All four in user units.
    void placeChild(QWidget* child, double left, double top, double width, double height);
    // Left and top in user units; the child keeps its size in logical pixels.
    void placeChildAt(QWidget* child, double left, double top);
    void setChildLeft(QWidget* child, double left);  // top (and size) as they are
    // The nominal position and size in user units, as last set (fractions kept).
    [[nodiscard]] double childLeft(const QWidget* child) const;
    [[nodiscard]] double childTop(const QWidget* child) const;
    [[nodiscard]] double childWidth(const QWidget* child) const;
    [[nodiscard]] double childHeight(const QWidget* child) const;

    // --- Drawing state ---
    void setDrawWidth(int px) { drawWidth_ = px; }
    [[nodiscard]] int drawWidth() const { return drawWidth_; }
    void setForeColor(const QColor& c) { foreColor_ = c; }
    [[nodiscard]] QColor foreColor() const { return foreColor_; }
    void setFillColor(const QColor& c) { fillColor_ = c; }
    [[nodiscard]] QColor fillColor() const { return fillColor_; }
    void setFontBold(bool bold);
    [[nodiscard]] bool fontBold() const;
    void setFontSize(double points);
    [[nodiscard]] double fontSize() const;
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    [[nodiscard]] double currentX() const { return currentX_; }
    [[nodiscard]] double currentY() const { return currentY_; }

    // --- Drawing into the stored image ---
    // Erases everything drawn (not the picture, not the children); the print position goes to
    // the top-left corner.
    void cls();
    // In the pen colour and width; afterwards the print position is (x2, y2).
    void line(double x1, double y1, double x2, double y2);
    // A filled box, outline and filling in one colour.
    void box(double x1, double y1, double x2, double y2, const QColor& color);
    // Outline in the pen colour and width, inside filled with the fill colour. The radius is in
    // units of the x axis; the circle is round on screen.
    void circle(double cx, double cy, double radius);
    // Prints the items one after the other at the print position (its top-left corner), in the
    // box's font and pen colour; then the print position moves to the left edge of the next
    // text line.
    void print(std::initializer_list<PrintItem> items);
    void print(const QString& text) { print({PrintItem::text(text)}); }

    [[nodiscard]] const std::vector<Primitive>& primitives() const { return primitives_; }
    // Replaces the stored drawing, e.g. with a filtered copy of another box's.
    void setPrimitives(std::vector<Primitive> primitives);

    // The area of the box in logical pixels that a primitive covers (pen width included).
    [[nodiscard]] QRectF pixelBounds(const Primitive& p) const;

    // How many primitives the last paint event painted; the rest lay outside the exposed area.
    [[nodiscard]] int lastPaintCount() const { return lastPaintCount_; }

signals:
    // Positions in user units; buttons as Qt reports them.
    void mousePressed(QPointF pos, Qt::MouseButtons buttons);
    void mouseMoved(QPointF pos, Qt::MouseButtons buttons);
    void mouseReleased(QPointF pos, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Placement {
        double left = 0, top = 0, width = 0, height = 0;
        bool userSize = false;  // width/height in user units, else the child's pixel size
    };
    void applyPlacement(QWidget* child, const Placement& p);
    void relayoutChildren();
    void record(Primitive p);  // appends and schedules a repaint of its area only
    void paintPrimitive(QPainter& painter, const Primitive& p) const;
    // The widget's font with the size and weight last set through setFontSize/setFontBold.
    // Kept apart from the widget font so that children placed on the box do not inherit them.
    [[nodiscard]] QFont drawingFont() const;

    QColor backColor_{224, 224, 224};
    bool sunken_ = false;
    // Children are clipped to the whole box, border included; this frame lies over them so the
    // border stays visible where a wide child (the chart) runs beneath it.
    QWidget* borderFrame_ = nullptr;
    bool wholeBoxDirty_ = false;  // cleared, not yet painted
    void updateBorderFrame();
    QString picturePath_;
    QSize pictureSize_;
    QSvgRenderer* picture_ = nullptr;

    double scaleLeft_ = 0, scaleTop_ = 0;
    double scaleWidth_ = 0, scaleHeight_ = 0;  // user units; unused while twips_ is set
    bool twips_ = true;                        // twips, the extent following the size

    int drawWidth_ = 1;
    QColor foreColor_{0, 0, 0};
    QColor fillColor_{240, 240, 240};
    double currentX_ = 0, currentY_ = 0;
    std::optional<bool> fontBoldSet_;      // unset: as the widget font
    std::optional<double> fontPointsSet_;  // unset: as the widget font
    int lastPaintCount_ = 0;

    std::vector<Primitive> primitives_;
    QHash<const QWidget*, Placement> placements_;
};

}  // namespace frankierung
