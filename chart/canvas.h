// The drawing calls of a picture box: pen, fill, font and print position are state, and every
// line, box, circle or print only appends an item in user units to a drawing. Each drawer keeps
// its own canvas, so no drawer depends on the state another one left.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

#include "drawing.h"
#include "userscale.h"

class QPaintDevice;

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

class Canvas {
public:
    // Where a canvas draws: its drawing, the scale the print position follows, the font texts
    // start from and the device they are measured on; told of what it adds, to repaint it.
    class Target {
    public:
        virtual ~Target() = default;
        virtual Drawing& mutableDrawing() = 0;
        [[nodiscard]] virtual UserScale scale() const = 0;
        [[nodiscard]] virtual QFont baseFont() const = 0;
        [[nodiscard]] virtual const QPaintDevice* metricsDevice() const { return nullptr; }
        virtual void added(const DrawingItem& /*item*/) {}
        virtual void cleared() {}
    };

    explicit Canvas(Target& target) : target_(target) {}

    void setPenWidth(int px) { penWidth_ = px; }
    void setPenColor(const QColor& c) { penColor_ = c; }
    void setFillColor(const QColor& c) { fillColor_ = c; }
    void setBold(bool bold) { bold_ = bold; }
    void setFontSize(double points);
    // Where the next print starts: its text's top-left corner, in user units.
    void setPrintPosition(QPointF at) { printPosition_ = at; }
    // What the items drawn from now on are.
    void setMark(DrawingItem::Mark mark) { mark_ = mark; }

    // Erases the drawing; the print position goes to the top-left corner.
    void clear();
    // In the pen colour and width; afterwards the print position is (x2, y2).
    void line(double x1, double y1, double x2, double y2);
    // Outline and filling in one colour.
    void box(double x1, double y1, double x2, double y2, const QColor& color);
    // Outline in the pen colour and width, the inside in the fill colour; the radius is in units
    // of the x axis, so the circle is round on screen.
    void circle(double cx, double cy, double radius);
    // The font size at most `points`, smaller in quarter points down to kSmallestCaptionPoints
    // where the items would print wider than `width` pixels.
    void setFontSizeToFit(double points, std::initializer_list<PrintItem> items, double width);
    // The items one after the other at the print position (the text's top-left corner) in the
    // font and pen colour; then the print position moves to the left edge of the next line.
    void print(std::initializer_list<PrintItem> items);
    void print(const QString& text) { print({PrintItem::text(text)}); }

private:
    // A number as its signed number text and one blank, a text as it is.
    [[nodiscard]] static QString joined(std::initializer_list<PrintItem> items);
    // The target's font with the size and weight last set here; kept apart from the widget's
    // font so that children placed on the box do not inherit them.
    [[nodiscard]] QFont font() const;
    // An item in the pen's width; a line and a text in the pen colour.
    [[nodiscard]] DrawingItem pen(DrawingItem::Kind kind, QPointF p1, QPointF p2,
                                  const QColor& color) const;
    void add(DrawingItem item);
    // The text's advance and the font's line height on the target's device.
    QSizeF measure(const QFont& f, const QString& text);

    Target& target_;
    int penWidth_ = 1;
    QColor penColor_{0, 0, 0};
    QColor fillColor_{240, 240, 240};
    std::optional<bool> bold_;      // unset: as the target's font
    std::optional<double> points_;  // unset: as the target's font
    QPointF printPosition_;
    DrawingItem::Mark mark_ = DrawingItem::Mark::Other;
    // Copied for every item: a default font would be looked up under the application's lock.
    DrawingItem blank_;
    // Runs print the same axis numbers again, in a few fonts; shaping them anew would be most of
    // a run's cost.
    static constexpr std::size_t kMostFonts = 8;
    static constexpr qsizetype kMostMeasured = 4096;
    struct Measured {
        QFont font;
        int dpi = -1;
        double height = 0;
        QHash<QString, double> widths;
    };
    std::vector<Measured> measured_;
};

}  // namespace frankierung
