// What was drawn into a picture box, in user units: every item with the pen, fill and font it
// was drawn with and a mark of what it is, indexed by x so that a part can be painted alone.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace frankierung {

struct DrawingItem {
    enum class Kind { Line, Box, Circle, Text };
    // What an item is, for readers of a drawing that want only some of it. Row: the marks of a
    // single value's row; PairRow, AllRow: those of the pairs' rows and of the row "alle",
    // which a pupil's worksheet leaves empty.
    enum class Mark { Other, Scale, RowLabel, Row, PairRow, AllRow, Note };

    Kind kind = Kind::Line;
    Mark mark = Mark::Other;
    QPointF p1;           // Line: start; Box: a corner; Circle: centre; Text: top-left
    QPointF p2;           // Line: end; Box: the opposite corner
    double radius = 0.0;  // Circle, in units of the x axis
    QColor color;         // pen, box or text colour
    QColor fill;          // Circle: inside
    int penWidth = 1;     // logical pixels
    QString text;         // Text, in its font; its extent in logical pixels
    QFont font;
    QSizeF textSize;
};

class Drawing {
public:
    void clear();
    void append(DrawingItem item);
    // Drops the items from index `size` on, the latest first; the index forgets them. The widest
    // text and pen stay as they were: a wider look-up, never a missed item.
    void truncate(std::size_t size);
    [[nodiscard]] const std::vector<DrawingItem>& items() const { return items_; }
    [[nodiscard]] bool empty() const { return items_.empty(); }
    [[nodiscard]] std::size_t size() const { return items_.size(); }

    // In drawing order, the items indexed in the user x range [from, to]. A text is indexed
    // where it starts (its extent in user units depends on the scale) and a pen without its
    // width: callers widen the range by the widest text and pen.
    [[nodiscard]] std::vector<std::uint32_t> near(double from, double to) const;
    // The widest text and the widest pen, in logical pixels.
    [[nodiscard]] double widestText() const { return widestText_; }
    [[nodiscard]] int widestPen() const { return widestPen_; }

    // A copy with the items that `keep` accepts.
    [[nodiscard]] Drawing filtered(const std::function<bool(const DrawingItem&)>& keep) const;

private:
    std::vector<DrawingItem> items_;
    // The buckets an item is listed in, first to last; none when it goes to the wide list.
    [[nodiscard]] static std::optional<std::pair<long, long>> bucketsOf(const DrawingItem& item);
    // The item indices by x / kBucket, from firstBucket_ on.
    std::vector<std::uint32_t>& bucket(long b);
    std::vector<std::vector<std::uint32_t>> buckets_;
    long firstBucket_ = 0;
    std::vector<std::uint32_t> wide_;  // items across more buckets than are worth listing
    double widestText_ = 0;
    int widestPen_ = 1;
};

}  // namespace frankierung
