// The chart a run draws: each row's marks against brute-force reachability, the scale, the row
// labels, and boxes that join on screen without seams.
#include <QImage>
#include <map>
#include <set>

#include "window.h"

namespace frankierung {
namespace {

std::set<int> reachable(const std::vector<int>& values) {
    std::set<int> r{0};
    for (int n = 1; n <= 1000; ++n) {
        if (std::any_of(values.begin(), values.end(), [&](int v) { return r.contains(n - v); })) {
            r.insert(n);
        }
    }
    return r;
}

TEST(Chart, EveryRowMarksWhatItsValuesReachInItsColour) {
    test::Window w;
    w.setText("txtMarke(0)", "8");  // 1000 is a multiple: the rows end with it
    w.setText("txtMarke(1)", "11");
    w.setText("txtMarke(2)", "13");
    w.click("cmdZeigen");  // a second run: its pen starts afresh
    using K = DrawingItem::Kind;
    const QColor blue(0, 0, 128), green(0, 128, 0), cyan(0, 128, 128), black(Qt::black);
    // kind, y of a box's top or a circle's centre, label's y, colour, values used, label, its
    // colour
    const std::tuple<K, double, double, QColor, std::vector<int>, const char*, QColor> rows[] = {
        {K::Box, 5.5, 5.5, blue, {8}, " 8 ", black},
        {K::Box, 6.5, 6.5, green, {11}, " 11 ", black},
        {K::Box, 7.5, 7.5, cyan, {13}, " 13 ", black},
        {K::Circle, 9.5, 9.3, black, {8, 11}, " 8 , 11 ", black},
        {K::Circle, 10.3, 10.1, blue, {11, 13}, " 11 , 13 ", blue},
        {K::Circle, 11.1, 10.9, green, {13, 8}, " 13 , 8 ", green},
        {K::Box, 13.1, 12.4, blue, {8, 11, 13}, " alle", green}};
    for (const auto& [kind, y, labelY, colour, values, label, labelColour] : rows) {
        SCOPED_TRACE(label);
        std::set<int> marks;
        int labels = 0;
        for (const DrawingItem& p : w.drawing()) {
            if (p.kind == K::Text && p.p1 == QPointF(-2.9, labelY)) {
                ++labels;
                EXPECT_EQ(std::tuple(p.text, p.color, p.font.bold()),
                          std::tuple(QString(label), labelColour, true));
            }
            if (p.kind != kind || p.p1.y() != y) {
                continue;
            }
            const double x = std::round(kind == K::Box ? p.p1.x() : p.p1.x() - 0.55);
            EXPECT_TRUE(marks.insert(static_cast<int>(x)).second) << "twice: " << x;
            EXPECT_EQ(p.color, colour);
            if (kind == K::Box) {
                EXPECT_EQ(p.p2, QPointF(x + 1, y > 13 ? 12.4 : y + 0.45));
            } else {
                EXPECT_EQ(std::pair(p.radius, p.penWidth), std::pair(0.4, 2));
            }
        }
        EXPECT_EQ(labels, 1);
        EXPECT_EQ(marks, reachable(values));
    }
    std::size_t rings = 0;  // row 7 puts a light dot with a yellow ring on each of its boxes
    for (const DrawingItem& p : w.drawing()) {
        rings += p.kind == K::Circle && p.p1.y() == 12.7 && p.radius == 0.3 &&
                 p.color == Qt::yellow && p.fill == QColor(240, 240, 240);
    }
    EXPECT_EQ(rings, reachable({8, 11, 13}).size());
}

TEST(Chart, ScaleOfTicksAndNumbers) {
    test::Window w;
    w.click("cmdZeigen");
    int ticks[2] = {0, 0};  // short, long
    std::map<std::pair<double, double>, const DrawingItem*> numbers;
    for (const DrawingItem& p : w.drawing()) {
        if (p.kind == DrawingItem::Kind::Line) {
            const bool isLong = p.p1.y() == 4.5 && p.p2.y() == 15.5;
            ASSERT_TRUE(isLong || (p.p1.y() == 5 && p.p2.y() == 15)) << p.p1.x();
            EXPECT_EQ(p.p1.x(), isLong ? 5 * ticks[1] : ticks[0]);
            EXPECT_EQ(p.color, isLong && ticks[1] % 2 == 0 ? Qt::black : QColor(128, 128, 128));
            EXPECT_EQ(p.penWidth, 1);
            ++ticks[isLong];
        } else if (p.kind == DrawingItem::Kind::Text && (p.p1.y() == 4.5 || p.p1.y() == 15)) {
            numbers[{p.p1.x(), p.p1.y()}] = &p;
        }
    }
    EXPECT_EQ(ticks[0] * 1000 + ticks[1], 1001201);
    EXPECT_EQ(numbers.size(), 402U);
    for (const auto& [amount, bold] : {std::pair{0, true}, {5, false}, {1000, true}}) {
        for (const double y : {4.5, 15.0}) {
            const DrawingItem* p = numbers[{amount, y}];
            ASSERT_NE(p, nullptr) << amount;
            EXPECT_EQ(p->font.family(), "Times New Roman");
            EXPECT_EQ(std::tuple(p->text, p->font.bold(), p->color, p->font.pointSizeF()),
                      std::tuple(QString(" %1 ").arg(amount), bold,
                                 bold ? Qt::black : QColor(128, 128, 128), 10.0));
        }
    }
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
