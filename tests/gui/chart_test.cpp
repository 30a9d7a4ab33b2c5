// The chart a run draws: each row's marks against brute-force reachability, the scale, the row
// labels, and boxes that join on screen without seams.
#include <QImage>
#include <map>

#include "../core/reachable.h"
#include "window.h"

namespace frankierung {
namespace {

using K = DrawingItem::Kind;

TEST(Chart, EveryRowMarksWhatItsValuesReach) {
    test::Window w;
    w.setValues({"8", "11", "13"});  // 1000 is a multiple: the rows end with it
    w.click("cmdZeigen");            // a second run: its pen starts afresh
    // From the top: the values a row uses and its label.
    const std::pair<std::vector<int>, const char*> rows[] = {
        {{8}, " 8 "},          {{11}, " 11 "},          {{13}, " 13 "},
        {{8, 11}, " 8 , 11 "}, {{11, 13}, " 11 , 13 "}, {{13, 8}, " 13 , 8 "},
        {{8, 11, 13}, " alle"}};
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
    for (const auto& [values, label] : rows) {
        SCOPED_TRACE(label);
        const DrawingItem& l = *labels[static_cast<std::size_t>(std::distance(marks.begin(), row))];
        EXPECT_EQ(std::pair(l.text, l.p1.x() < 0), std::pair(QString(label), true));
        std::vector<bool> marked(1001);  // each mark within its amount's stripe, once
        for (const DrawingItem* p : (row++)->second) {
            const bool box = p->kind == K::Box;
            const double left = box ? std::min(p->p1.x(), p->p2.x()) : p->p1.x() - p->radius;
            const double right = box ? std::max(p->p1.x(), p->p2.x()) : p->p1.x() + p->radius;
            const double n = std::floor(left);
            EXPECT_TRUE(n >= 0 && right <= n + 1 && !marked.at(static_cast<std::size_t>(n)))
                << left;
            marked.at(static_cast<std::size_t>(n)) = true;
        }
        EXPECT_EQ(marked, test::reachable(values, 1000));
    }
    EXPECT_EQ(rings.size(), marks.rbegin()->second.size());  // one on each box of the last row
}

// Every amount has its tick, every fifth a longer one with its number above and below the rows.
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
        const bool fifth = std::fmod(x, 5) == 0;
        ASSERT_EQ(lines.size(), fifth ? 2U : 1U);
        const DrawingItem& tick = *lines.front();
        const DrawingItem& big = *lines.back();
        EXPECT_EQ(std::pair(tick.p2.x(), big.p2.x()), std::pair(x, x));  // upright
        if (fifth) {
            EXPECT_TRUE(big.p1.y() < tick.p1.y() && big.p2.y() > tick.p2.y());
            const std::vector<const DrawingItem*> texts = numbers[x];
            ASSERT_EQ(texts.size(), 2U);
            EXPECT_TRUE(texts[0]->p1.y() < tick.p1.y() && texts[1]->p1.y() >= tick.p2.y());
            for (const DrawingItem* t : texts) {
                EXPECT_EQ(t->text, QString(" %1 ").arg(x));
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
    }
}

}  // namespace
}  // namespace frankierung
