#include "chartrenderer.h"

#include <gtest/gtest.h>
#include <QImage>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "core/fakes.h"
#include "palette.h"
#include "picturebox.h"
#include "survey.h"

namespace frankierung {
namespace {

// The chart as the window sizes it on a wide screen: 30 pixels per amount, 50 per y unit.
class ChartRun : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        chart_ = new PictureBox;
        chart_->resize(30090, 1000);
        chart_->setScaleCorners(-3, 0, 1000, 20);
        chart_->setFont(QFont(QStringLiteral("DejaVu Serif")));
        chart_->setFontSize(10);
        test::FakeBoxes boxes({"6", "10", "15"}, "200");
        Survey survey;
        ChartRenderer renderer(*chart_);
        survey.run(boxes, renderer);
    }
    static void TearDownTestSuite() {
        delete chart_;
        chart_ = nullptr;
    }

    static std::vector<const Primitive*> select(Primitive::Kind kind, double y) {
        std::vector<const Primitive*> out;
        for (const Primitive& p : chart_->primitives()) {
            if (p.kind == kind && p.p1.y() == y) {
                out.push_back(&p);
            }
        }
        return out;
    }

    static PictureBox* chart_;
};

PictureBox* ChartRun::chart_ = nullptr;

// --- Rows ---

struct SingleRowCase {
    const char* name;
    double top;
    QColor color;
    int value;
};

class SingleRows : public ChartRun, public ::testing::WithParamInterface<SingleRowCase> {};

TEST_P(SingleRows, OneBoxPerMultiple) {
    const SingleRowCase& c = GetParam();
    const auto boxes = select(Primitive::Kind::Box, c.top);
    ASSERT_EQ(boxes.size(), static_cast<std::size_t>(1000 / c.value + 1));
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const double k = static_cast<double>(i) * c.value;
        EXPECT_EQ(boxes[i]->p1, QPointF(k, c.top));
        EXPECT_EQ(boxes[i]->p2, QPointF(k + 1, c.top + 0.45));
        EXPECT_EQ(boxes[i]->color, c.color);
    }
}

INSTANTIATE_TEST_SUITE_P(Chart, SingleRows,
                         ::testing::Values(SingleRowCase{"A", 5.5, palette::blue, 6},
                                           SingleRowCase{"B", 6.5, palette::green, 10},
                                           SingleRowCase{"C", 7.5, palette::cyan, 15}),
                         [](const auto& c) { return std::string(c.param.name); });

struct PairRowCase {
    const char* name;
    double centreY;
    QColor color;
    int p, q;
};

class PairRows : public ChartRun, public ::testing::WithParamInterface<PairRowCase> {};

TEST_P(PairRows, EachVisibleSumOnceInTheOrderOfItsFirstOccurrence) {
    const PairRowCase& c = GetParam();
    std::vector<double> want;
    std::set<int> seen;
    for (int s = 0; s <= 1000 / c.p; ++s) {
        for (int j = 0; j <= c.p; ++j) {
            const int sum = s * c.p + j * c.q;
            if (sum <= 1000 && seen.insert(sum).second) {
                want.push_back(sum + 0.55);
            }
        }
    }
    const auto circles = select(Primitive::Kind::Circle, c.centreY);
    ASSERT_EQ(circles.size(), want.size());
    for (std::size_t i = 0; i < circles.size(); ++i) {
        EXPECT_DOUBLE_EQ(circles[i]->p1.x(), want[i]);
        EXPECT_EQ(circles[i]->radius, 0.4);
        EXPECT_EQ(circles[i]->color, c.color);
        EXPECT_EQ(circles[i]->fill, QColor(240, 240, 240));
        EXPECT_EQ(circles[i]->penWidth, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Chart, PairRows,
                         ::testing::Values(PairRowCase{"AB", 9.5, palette::black, 6, 10},
                                           PairRowCase{"BC", 10.3, palette::blue, 10, 15},
                                           PairRowCase{"CA", 11.1, palette::green, 15, 6}),
                         [](const auto& c) { return std::string(c.param.name); });

TEST_F(ChartRun, RowOfAllThreeHasBoxThenCircleForEveryReachableAmount) {
    const std::set<int> gaps{1, 2, 3, 4, 5, 7, 8, 9, 11, 13, 14, 17, 19, 23, 29};
    const auto& ps = chart_->primitives();
    const auto first = std::find_if(ps.begin(), ps.end(), [](const Primitive& p) {
        return p.kind == Primitive::Kind::Box && p.p1.y() == 13.1;
    });
    ASSERT_NE(first, ps.end());
    // Everything from the first box of the row on belongs to the row.
    ASSERT_EQ(ps.end() - first, 2 * (1001 - static_cast<long>(gaps.size())));
    auto it = first;
    for (int n = 0; n <= 1000; ++n) {
        if (gaps.contains(n)) {
            continue;
        }
        SCOPED_TRACE(n);
        EXPECT_EQ(it->kind, Primitive::Kind::Box);
        EXPECT_EQ(it->p1, QPointF(n, 13.1));
        EXPECT_EQ(it->p2, QPointF(n + 1, 12.4));
        EXPECT_EQ(it->color, palette::blue);
        ++it;
        EXPECT_EQ(it->kind, Primitive::Kind::Circle);
        EXPECT_EQ(it->p1, QPointF(n + 0.52, 12.7));
        EXPECT_EQ(it->radius, 0.3);
        EXPECT_EQ(it->color, palette::yellow);
        EXPECT_EQ(it->penWidth, 2);
        ++it;
    }
}

// --- Scale ---

TEST_F(ChartRun, WhiteStripsComeFirst) {
    const auto& ps = chart_->primitives();
    ASSERT_GE(ps.size(), 3u);
    const std::array<QRectF, 3> strips{QRectF(QPointF(0, 4.5), QPointF(1000, 4.9)),
                                       QRectF(QPointF(0, 15.05), QPointF(1000, 15.45)),
                                       QRectF(QPointF(-4, 4.5), QPointF(-0.1, 15.45))};
    for (std::size_t i = 0; i < strips.size(); ++i) {
        EXPECT_EQ(ps[i].kind, Primitive::Kind::Box);
        EXPECT_EQ(QRectF(ps[i].p1, ps[i].p2), strips[i]);
        EXPECT_EQ(ps[i].color, palette::white);
    }
}

TEST_F(ChartRun, TickLinesEveryAmountLongerEveryFifth) {
    int shortLines = 0;
    int longLines = 0;
    for (const Primitive& p : chart_->primitives()) {
        if (p.kind != Primitive::Kind::Line) {
            continue;
        }
        EXPECT_EQ(p.penWidth, 1);
        EXPECT_EQ(p.p1.x(), p.p2.x());
        const int i = static_cast<int>(p.p1.x());
        if (p.p1.y() == 5 && p.p2.y() == 15) {
            EXPECT_EQ(i, shortLines);
            EXPECT_EQ(p.color, palette::grey);
            ++shortLines;
        } else {
            ASSERT_EQ(p.p1.y(), 4.5);
            ASSERT_EQ(p.p2.y(), 15.5);
            EXPECT_EQ(i % 5, 0);
            EXPECT_EQ(p.color, i % 10 == 0 ? palette::black : palette::grey) << i;
            ++longLines;
        }
    }
    EXPECT_EQ(shortLines, 1001);
    EXPECT_EQ(longLines, 201);
}

struct TickNumberCase {
    int amount;
    const char* text;
    bool bold;
    QColor color;
};

class TickNumbers : public ChartRun, public ::testing::WithParamInterface<TickNumberCase> {};

TEST_P(TickNumbers, AboveAndBelowTheRows) {
    const TickNumberCase& c = GetParam();
    for (const double y : {4.5, 15.0}) {
        const auto texts = select(Primitive::Kind::Text, y);
        ASSERT_EQ(texts.size(), 201u);
        const auto at = std::find_if(texts.begin(), texts.end(),
                                     [&](const Primitive* p) { return p->p1.x() == c.amount; });
        ASSERT_NE(at, texts.end()) << y;
        EXPECT_EQ((*at)->text, QString::fromLatin1(c.text));
        EXPECT_EQ((*at)->font.bold(), c.bold);
        EXPECT_EQ((*at)->color, c.color);
        EXPECT_DOUBLE_EQ((*at)->font.pointSizeF(), 10);
    }
}

INSTANTIATE_TEST_SUITE_P(Chart, TickNumbers,
                         ::testing::Values(TickNumberCase{0, " 0 ", true, palette::black},
                                           TickNumberCase{5, " 5 ", false, palette::grey},
                                           TickNumberCase{10, " 10 ", true, palette::black},
                                           TickNumberCase{995, " 995 ", false, palette::grey},
                                           TickNumberCase{1000, " 1000 ", true, palette::black}));

// --- Labels and the state left behind ---

TEST_F(ChartRun, RowLabelsInTheColoursOfTheirTurn) {
    struct Label {
        double y;
        const char* text;
        QColor color;
    };
    const std::array<Label, 7> labels{
        Label{5.5, " 6 ", palette::black},       Label{6.5, " 10 ", palette::black},
        Label{7.5, " 15 ", palette::black},      Label{9.3, " 6 , 10 ", palette::black},
        Label{10.1, " 10 , 15 ", palette::blue}, Label{10.9, " 15 , 6 ", palette::green},
        Label{12.4, " alle", palette::green}};
    for (const Label& l : labels) {
        SCOPED_TRACE(l.text);
        const auto texts = select(Primitive::Kind::Text, l.y);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0]->p1.x(), -2.9);
        EXPECT_EQ(texts[0]->text, QString::fromLatin1(l.text));
        EXPECT_EQ(texts[0]->color, l.color);
        EXPECT_TRUE(texts[0]->font.bold());
    }
}

TEST(ChartBeyondRange, OnlyTheBoxAtZeroInTheValuesRow) {
    PictureBox chart;
    chart.resize(2006, 400);
    chart.setScaleCorners(-3, 0, 1000, 20);
    Survey survey;
    ChartRenderer renderer(chart);
    test::FakeBoxes large({"1200", "10", "15"}, "200");
    survey.run(large, renderer);
    int row1 = 0;
    for (const Primitive& p : chart.primitives()) {
        if (p.kind == Primitive::Kind::Box && p.p1.y() == 5.5) {
            EXPECT_EQ(p.p1.x(), 0);
            ++row1;
        }
        if (p.kind == Primitive::Kind::Circle) {
            EXPECT_LE(p.p1.x(), 1000.55);
        }
    }
    EXPECT_EQ(row1, 1);
}

// --- On screen ---

QColor pixelAt(PictureBox& chart, const QImage& image, const QRect& area, QPointF user) {
    const QPoint px = chart.toPixels(user).toPoint() - area.topLeft();
    return image.pixelColor(px);
}

TEST_F(ChartRun, PaintedAreaShowsBoxesGapsAndDots) {
    // Amounts 18 to 37, rows and scale: what the visible window shows at scroll position 0.
    const QRect area(QPointF(chart_->toPixels({18, 0})).toPoint(), QSize(600, 1000));
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    chart_->render(&image, QPoint(), QRegion(area));

    struct Probe {
        const char* what;
        QPointF user;
        QColor color;
    };
    const std::array<Probe, 7> probes{
        Probe{"row 7 box of 30", {30.1, 12.45}, palette::blue},
        Probe{"row 7 dot of 30", {30.52, 12.7}, QColor(240, 240, 240)},
        Probe{"row 7 gap at 29", {29.5, 12.75}, QColor(224, 224, 224)},
        Probe{"row 4 dot of 30", {30.55, 9.5}, QColor(240, 240, 240)},
        Probe{"row 1 box of 30", {30.5, 5.7}, palette::blue},
        Probe{"row 1 gap at 31", {31.5, 5.7}, QColor(224, 224, 224)},
        Probe{"upper strip", {32.5, 4.7}, palette::white}};
    for (const Probe& p : probes) {
        EXPECT_EQ(pixelAt(*chart_, image, area, p.user), p.color) << p.what;
    }
    // 20 amounts of about 3 400 primitives.
    EXPECT_GT(chart_->lastPaintCount(), 0);
    EXPECT_LT(chart_->lastPaintCount(), 250);
}

TEST(ChartSeams, AdjacentBoxesJoinAtFractionalScales) {
    for (const int width : {2750, 30091, 29700}) {
        PictureBox chart;
        chart.resize(width, 1000);
        chart.setScaleCorners(-3, 0, 1000, 20);
        Survey survey;
        ChartRenderer renderer(chart);
        test::FakeBoxes boxes({"6", "10", "15"}, "200");
        survey.run(boxes, renderer);
        // Amounts 30 to 37 are all reachable: one unbroken blue band along the row's top.
        const QPoint from = chart.toPixels({30, 12.42}).toPoint();
        const QPoint to = chart.toPixels({38, 12.42}).toPoint();
        const QRect area(QPoint(from.x(), from.y() - 1), QPoint(to.x() - 1, from.y() + 1));
        QImage image(area.size(), QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        chart.render(&image, QPoint(), QRegion(area));
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_EQ(image.pixelColor(x, 1), palette::blue) << width << " at column " << x;
        }
    }
}

}  // namespace
}  // namespace frankierung
