// The chart a run draws: each row's marks against brute-force reachability, the scale, the row
// labels, and boxes that join on screen without seams.
#include <QImage>
#include <map>

#include "../core/reachable.h"
#include "window.h"

namespace frankierung {
namespace {

using K = DrawingItem::Kind;
const QColor kGrey(128, 128, 128);

TEST(Chart, EveryRowMarksWhatItsValuesReachInItsColour) {
    test::Window w;
    w.setText("txtMarke(0)", "8");  // 1000 is a multiple: the rows end with it
    w.setText("txtMarke(1)", "11");
    w.setText("txtMarke(2)", "13");
    w.click("cmdZeigen");  // a second run: its pen starts afresh
    const QColor blue(0, 0, 128), green(0, 128, 0), cyan(0, 128, 128), black(Qt::black);
    // From the top: the values a row uses, its marks' colour, its label and the label's colour.
    const std::tuple<std::vector<int>, QColor, const char*, QColor> rows[] = {
        {{8}, blue, " 8 ", black},           {{11}, green, " 11 ", black},
        {{13}, cyan, " 13 ", black},         {{8, 11}, black, " 8 , 11 ", black},
        {{11, 13}, blue, " 11 , 13 ", blue}, {{13, 8}, green, " 13 , 8 ", green},
        {{8, 11, 13}, blue, " alle", green}};
    std::map<double, std::vector<const DrawingItem*>> marks;  // rows by their height
    std::vector<const DrawingItem*> labels, rings;
    for (const DrawingItem& p : w.drawing()) {
        if (p.mark == DrawingItem::Mark::RowLabel) {
            labels.push_back(&p);
        } else if (p.mark == DrawingItem::Mark::Row || p.mark == DrawingItem::Mark::PairRow ||
                   p.mark == DrawingItem::Mark::AllRow) {
            (p.color == Qt::yellow ? rings : marks[p.p1.y()]).push_back(&p);
        }
    }
    ASSERT_EQ(std::pair(marks.size(), labels.size()), std::pair(std::size(rows), std::size(rows)));
    auto row = marks.begin();
    for (const auto& [values, colour, label, labelColour] : rows) {
        SCOPED_TRACE(label);
        const DrawingItem& l = *labels[static_cast<std::size_t>(std::distance(marks.begin(), row))];
        EXPECT_EQ(std::tuple(l.text, l.color, l.font.bold(), l.p1.x() < 0),
                  std::tuple(QString(label), labelColour, true, true));
        std::vector<bool> marked(1001);  // each mark within its amount's stripe, once
        for (const DrawingItem* p : (row++)->second) {
            const bool box = p->kind == K::Box;
            const double left = box ? std::min(p->p1.x(), p->p2.x()) : p->p1.x() - p->radius;
            const double right = box ? std::max(p->p1.x(), p->p2.x()) : p->p1.x() + p->radius;
            const double n = std::floor(left);
            EXPECT_TRUE(n >= 0 && right <= n + 1 && !marked.at(static_cast<std::size_t>(n)))
                << left;
            marked.at(static_cast<std::size_t>(n)) = true;
            EXPECT_TRUE(p->color == colour && (box || p->penWidth == 2)) << left;
        }
        EXPECT_EQ(marked, test::reachable(values, 1000));
    }
    EXPECT_EQ(rings.size(), marks.rbegin()->second.size());  // one on each box of the last row
}

// Every amount has its tick, every fifth a longer one with its number above and below the rows:
// tens in bold black, fives in plain grey, in the chart's face at the size runs print in.
TEST(Chart, ScaleOfTicksAndNumbers) {
    test::Window w;
    w.click("cmdZeigen");
    std::map<double, std::vector<const DrawingItem*>> ticks, numbers;  // by amount
    for (const DrawingItem& p : w.drawing()) {
        if (p.mark == DrawingItem::Mark::Scale && p.kind != K::Box) {
            (p.kind == K::Line ? ticks : numbers)[p.p1.x()].push_back(&p);
        }
    }
    double n = 0;
    for (const auto& [x, lines] : ticks) {
        SCOPED_TRACE(x);
        ASSERT_EQ(x, n++);  // no amount left out or ticked twice
        const bool fifth = std::fmod(x, 5) == 0, tens = std::fmod(x, 10) == 0;
        ASSERT_EQ(lines.size(), fifth ? 2U : 1U);
        const DrawingItem& tick = *lines.front();
        const DrawingItem& big = *lines.back();
        EXPECT_EQ(std::tuple(tick.p2.x(), big.p2.x(), tick.color, tick.penWidth, big.penWidth),
                  std::tuple(x, x, kGrey, 1, 1));  // upright and thin
        if (fifth) {
            EXPECT_TRUE(big.p1.y() < tick.p1.y() && big.p2.y() > tick.p2.y());
            EXPECT_EQ(big.color, tens ? Qt::black : kGrey);
            const std::vector<const DrawingItem*> texts = numbers[x];
            ASSERT_EQ(texts.size(), 2U);
            EXPECT_TRUE(texts[0]->p1.y() < tick.p1.y() && texts[1]->p1.y() >= tick.p2.y());
            for (const DrawingItem* t : texts) {
                EXPECT_EQ(std::tuple(t->text, t->font.bold(), t->color, t->font.family(),
                                     t->font.pointSizeF()),
                          std::tuple(QString(" %1 ").arg(x), tens, big.color,
                                     w.chart()->font().family(), 10.0));
            }
            numbers.erase(x);
        }
    }
    EXPECT_EQ(n, 1001);
    EXPECT_TRUE(numbers.empty()) << numbers.begin()->first;  // no number but at a fifth
}

TEST(Chart, BoxesJoinOnScreenWithoutSeams) {
    for (const int width : {2750, 29700, 30091}) {
        PictureBox box;
        box.resize(width, 1000);
        box.setScaleCorners(-3, 0, 1000, 20);
        box.setScale(0, 0, 0, 5);  // scales without extent are ignored
        box.setScale(0, 0, 5, 0);
        box.canvas().setPenWidth(2);
        for (int n = 30; n < 38; ++n) {
            box.canvas().box(n, 13.1, n + 1, 12.4, QColor(0, 0, 128));
            box.canvas().circle(n + 0.52, 12.7, 0.3);
        }
        const QRect area =
            QRectF(box.scale().toPixels({29, 12.3}), box.scale().toPixels({39, 13.2}))
                .toAlignedRect();
        QImage image(area.size(), QImage::Format_RGB32);
        box.render(&image, {}, area);
        // Along the band's top edge, every pixel from the first box's left to the last's right.
        const int y = static_cast<int>(box.scale().toPixels({0, 12.42}).y()) - area.top();
        for (int x = qRound(box.scale().toPixels({30, 0}).x());
             x < qRound(box.scale().toPixels({38, 0}).x()); ++x) {
            ASSERT_EQ(image.pixelColor(x - area.left(), y), QColor(0, 0, 128))
                << width << " at " << x;
        }
        const QPoint dot = box.scale().toPixels({33.52, 12.7}).toPoint() - area.topLeft();
        if (width > 20000) {  // wide enough for the light inside of a ring to show
            EXPECT_EQ(image.pixelColor(dot), QColor(240, 240, 240));
        }
    }
}

}  // namespace
}  // namespace frankierung
