// Pointing, picking, freehand notes, dragging the stamp pictures and scrolling the chart.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "form1.h"
#include "started_form.h"

namespace frankierung {
namespace {

const QString kHintTail = QStringLiteral("  (Auswahl zur Darstellung durch Anklicken)");
const QColor kBlue(0, 0, 128);

// A whole pixel of the chart near the chart point (x, y), and the chart point it stands for.
struct ChartPoint {
    QPoint pixel;
    QPointF user;
};
ChartPoint chartPoint(const Form1& form, double x, double y) {
    const QPoint pixel = form.picGraph->toPixels({x, y}).toPoint();
    return {pixel, form.picGraph->toUser(QPointF(pixel))};
}

// The widget a real pointer would meet at a pixel of `from`.
QWidget* widgetAt(Form1& form, QWidget* from, QPoint pixel) {
    return form.childAt(from->mapTo(&form, pixel));
}

// A free spot of the chart below the stamp pictures, inside the visible part.
constexpr double kFreeY = 18.5;

std::size_t lineCount(const PictureBox& box) {
    std::size_t n = 0;
    for (const Primitive& p : box.primitives()) {
        n += p.kind == Primitive::Kind::Line ? 1 : 0;
    }
    return n;
}

// --- Pointing and picking, straight through the handlers ---

struct AmountCase {
    float x;
    const char* amountText;  // signed number text of the amount under x
};

class AmountUnderPointer : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountUnderPointer, HintNamesItAndPressPicksIt) {
    const AmountCase c = GetParam();
    auto form = test::startedForm();
    const QString amount = QString::fromLatin1(c.amountText);

    form->picGraph_MouseMove(c.x, 10.0f);
    EXPECT_EQ(form->txtPos->toPlainText(), QStringLiteral("N = ") + amount + kHintTail);

    form->picGraph_MouseDown(c.x, 10.0f);
    EXPECT_EQ(form->txtPruef->text(), amount);
    EXPECT_EQ(form->picGraph->foreColor(), kBlue);
    form->picGraph_MouseUp();
}

INSTANTIATE_TEST_SUITE_P(Chart, AmountUnderPointer,
                         ::testing::Values(AmountCase{17.6f, " 17"}, AmountCase{0.0f, " 0"},
                                           AmountCase{-0.01f, "-1"}, AmountCase{-1.0f, "-1"},
                                           AmountCase{-3.0f, "-3"}, AmountCase{999.99f, " 999"},
                                           AmountCase{1000.0f, " 1000"}, AmountCase{-4.2f, "-5"}));

// --- The same through mouse events on the chart ---

TEST(ChartMouse, HoverOnlyUpdatesTheHint) {
    auto form = test::startedForm();
    form->txtPruef->setText(QStringLiteral("200"));
    const std::size_t before = form->picGraph->primitives().size();
    for (const double x : {17.6, 0.5, 30.2}) {
        SCOPED_TRACE(x);
        const ChartPoint p = chartPoint(*form, x, kFreeY);
        ASSERT_EQ(widgetAt(*form, form->picGraph, p.pixel), form->picGraph);
        QTest::mouseMove(form->picGraph, p.pixel);
        const auto amount = static_cast<long long>(std::floor(static_cast<float>(p.user.x())));
        EXPECT_EQ(form->txtPos->toPlainText(), QStringLiteral("N =  %1").arg(amount) + kHintTail);
    }
    EXPECT_EQ(form->picGraph->primitives().size(), before);
    EXPECT_EQ(form->txtPruef->text(), QStringLiteral("200"));
}

TEST(ChartMouse, PressAndReleaseWithoutMovePicksButDrawsNothing) {
    auto form = test::startedForm();
    const std::size_t before = form->picGraph->primitives().size();
    const ChartPoint p = chartPoint(*form, 17.6, kFreeY);
    QTest::mousePress(form->picGraph, Qt::LeftButton, {}, p.pixel);
    QTest::mouseRelease(form->picGraph, Qt::LeftButton, {}, p.pixel);
    EXPECT_EQ(form->txtPruef->text(), QStringLiteral(" 17"));
    EXPECT_EQ(form->picGraph->primitives().size(), before);
}

class NoteButton : public ::testing::TestWithParam<Qt::MouseButton> {};

// Press at 10.2, move to 30 and out of the chart, release there: one connected blue polyline
// through every reported position; moves after the release draw nothing.
TEST_P(NoteButton, PressMoveReleaseDrawsOneConnectedPolyline) {
    const Qt::MouseButton button = GetParam();
    auto form = test::startedForm();
    const std::size_t before = form->picGraph->primitives().size();
    const std::size_t linesBefore = lineCount(*form->picGraph);

    const ChartPoint start = chartPoint(*form, 10.2, kFreeY);
    const ChartPoint route[] = {chartPoint(*form, 20.0, kFreeY - 1), chartPoint(*form, 30.0, 17),
                                chartPoint(*form, 30.0, 24.0)};  // below the chart
    QTest::mousePress(form->picGraph, button, {}, start.pixel);
    EXPECT_EQ(form->txtPruef->text(), QStringLiteral(" 10"));
    for (const ChartPoint& p : route) {
        QTest::mouseMove(form->picGraph, p.pixel);
    }
    QTest::mouseRelease(form->picGraph, button, {}, route[2].pixel);

    const auto& prims = form->picGraph->primitives();
    ASSERT_EQ(prims.size(), before + std::size(route));
    QPointF from = start.user;
    for (std::size_t k = 0; k < std::size(route); ++k) {
        SCOPED_TRACE(k);
        const Primitive& line = prims[before + k];
        ASSERT_EQ(line.kind, Primitive::Kind::Line);
        EXPECT_NEAR(line.p1.x(), from.x(), 1e-4);
        EXPECT_NEAR(line.p1.y(), from.y(), 1e-4);
        EXPECT_NEAR(line.p2.x(), route[k].user.x(), 1e-4);
        EXPECT_NEAR(line.p2.y(), route[k].user.y(), 1e-4);
        EXPECT_EQ(line.color, kBlue);
        EXPECT_EQ(line.penWidth, 2);
        from = line.p2;
    }
    EXPECT_EQ(lineCount(*form->picGraph), linesBefore + std::size(route));

    // The release ended the note, though it happened outside the chart.
    QTest::mouseMove(form->picGraph, chartPoint(*form, 35.0, kFreeY).pixel);
    form->picGraph_MouseMove(36.0f, 12.0f);
    EXPECT_EQ(form->picGraph->primitives().size(), before + std::size(route));
    EXPECT_EQ(form->txtPruef->text(), QStringLiteral(" 10"));
}

INSTANTIATE_TEST_SUITE_P(Chart, NoteButton,
                         ::testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton));

TEST(ChartMouse, PressOnAValueLabelStartsNeitherDragNorNote) {
    auto form = test::startedForm();
    const std::size_t before = form->picGraph->primitives().size();
    const double left = form->picGraph->childLeft(form->Picture1[1]);
    const QString stampText = form->txtMarke[1]->text();
    form->txtPruef->setText(QStringLiteral("200"));

    QLabel* label = form->Label2[1];
    QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
    auto* feedback = form->findChild<QLabel*>(QStringLiteral("stampDragFeedback"));
    ASSERT_NE(feedback, nullptr);
    EXPECT_FALSE(feedback->isVisible());
    const QPoint far = label->mapFrom(
        form.get(), form->picGraph->mapTo(form.get(), chartPoint(*form, 30, 18).pixel));
    QTest::mouseMove(label, far);
    QTest::mouseRelease(label, Qt::LeftButton, {}, far);

    EXPECT_EQ(form->picGraph->childLeft(form->Picture1[1]), left);
    EXPECT_EQ(form->txtMarke[1]->text(), stampText);
    EXPECT_EQ(form->txtPruef->text(), QStringLiteral("200"));
    EXPECT_EQ(form->picGraph->primitives().size(), before);
}

// --- Dragging the stamp pictures ---

// Presses on the middle of Picture1(i), then moves the held pointer to the given pixels of
// `over` (the stamp holds the mouse, so the moves go to it), without releasing.
void pressStamp(Form1& form, int i) {
    PictureBox* stamp = form.Picture1[static_cast<std::size_t>(i)];
    QTest::mousePress(stamp, Qt::LeftButton, {}, stamp->rect().center());
}
void moveStampTo(Form1& form, int i, QWidget* over, QPoint pixel) {
    PictureBox* stamp = form.Picture1[static_cast<std::size_t>(i)];
    QTest::mouseMove(stamp, stamp->mapFrom(&form, over->mapTo(&form, pixel)));
}
void releaseStampAt(Form1& form, int i, QWidget* over, QPoint pixel) {
    PictureBox* stamp = form.Picture1[static_cast<std::size_t>(i)];
    QTest::mouseRelease(stamp, Qt::LeftButton, {},
                        stamp->mapFrom(&form, over->mapTo(&form, pixel)));
}

TEST(StampDrag, OverFreeChartSetsTheValueAndFollowsThePointer) {
    auto form = test::startedForm();
    form->hscn->setValue(40);  // shows about 22 to 63
    const ChartPoint target = chartPoint(*form, 42.3, kFreeY);
    ASSERT_EQ(widgetAt(*form, form->picGraph, target.pixel), form->picGraph);

    pressStamp(*form, 1);
    auto* feedback = form->findChild<QLabel*>(QStringLiteral("stampDragFeedback"));
    ASSERT_NE(feedback, nullptr);
    EXPECT_TRUE(feedback->isVisible());
    moveStampTo(*form, 1, form->picGraph, target.pixel);

    EXPECT_EQ(form->txtMarke[1]->text(), QStringLiteral("42"));
    EXPECT_NEAR(form->picGraph->childLeft(form->Picture1[1]), target.user.x(), 1e-3);
    EXPECT_NEAR(form->picGraph->childLeft(form->Picture1[1]), 42.3, 0.1);
    EXPECT_NE(form->picGraph->childLeft(form->Picture1[1]), 42.0);  // the fraction is kept
    EXPECT_NEAR(form->picGraph->childTop(form->Picture1[1]), target.user.y(), 1e-3);

    // Released outside the chart: the last place and value stay.
    moveStampTo(*form, 1, form->txtLog, form->txtLog->rect().center());
    releaseStampAt(*form, 1, form->txtLog, form->txtLog->rect().center());
    EXPECT_FALSE(feedback->isVisible());
    EXPECT_EQ(form->txtMarke[1]->text(), QStringLiteral("42"));
    EXPECT_NEAR(form->picGraph->childLeft(form->Picture1[1]), target.user.x(), 1e-3);

    // After the release, moving no longer drags.
    moveStampTo(*form, 1, form->picGraph, chartPoint(*form, 50.5, kFreeY).pixel);
    EXPECT_EQ(form->txtMarke[1]->text(), QStringLiteral("42"));
}

TEST(StampDrag, FromTheMarginWritesNegativeValues) {
    auto form = test::startedForm();
    const ChartPoint target = chartPoint(*form, -1.5, kFreeY);
    ASSERT_EQ(widgetAt(*form, form->picGraph, target.pixel), form->picGraph);
    pressStamp(*form, 0);
    moveStampTo(*form, 0, form->picGraph, target.pixel);
    releaseStampAt(*form, 0, form->picGraph, target.pixel);
    EXPECT_EQ(form->txtMarke[0]->text(), QStringLiteral("-2"));
}

struct BlockedCase {
    const char* name;
    int dragged;
    // Where the held pointer goes: a widget and a pixel of it.
    std::function<std::pair<QWidget*, QPoint>(Form1&)> spot;
};

class StampDragBlocked : public ::testing::TestWithParam<BlockedCase> {};

// Over a stamp picture, what lies on one, or what covers the chart, nothing happens.
TEST_P(StampDragBlocked, ChangesNothing) {
    const BlockedCase& c = GetParam();
    auto form = test::startedForm();
    const auto i = static_cast<std::size_t>(c.dragged);
    const QString text = form->txtMarke[i]->text();
    const double left = form->picGraph->childLeft(form->Picture1[i]);
    const double top = form->picGraph->childTop(form->Picture1[i]);

    pressStamp(*form, c.dragged);
    const auto [over, pixel] = c.spot(*form);
    ASSERT_NE(widgetAt(*form, over, pixel), form->picGraph);
    moveStampTo(*form, c.dragged, over, pixel);
    releaseStampAt(*form, c.dragged, over, pixel);

    EXPECT_EQ(form->txtMarke[i]->text(), text);
    EXPECT_EQ(form->picGraph->childLeft(form->Picture1[i]), left);
    EXPECT_EQ(form->picGraph->childTop(form->Picture1[i]), top);
}

QPoint centreOf(QWidget* w) {
    return w->rect().center();
}

INSTANTIATE_TEST_SUITE_P(
    Chart, StampDragBlocked,
    ::testing::Values(
        BlockedCase{
            "OtherStamp", 0,
            [](Form1& f) {
                return std::pair<QWidget*, QPoint>{f.Picture1[2], {5, f.Picture1[2]->height() - 5}};
            }},
        BlockedCase{"ValueLabelOfAnother", 2,
                    [](Form1& f) {
                        return std::pair<QWidget*, QPoint>{f.Label2[0], centreOf(f.Label2[0])};
                    }},
        BlockedCase{"Legend", 1,
                    [](Form1& f) {
                        f.hscn->setValue(100);  // the chart now runs beneath the legend
                        return std::pair<QWidget*, QPoint>{f.picLegende, centreOf(f.picLegende)};
                    }}),
    [](const ::testing::TestParamInfo<BlockedCase>& p) { return std::string(p.param.name); });

// --- Scrolling ---

struct ScrollCase {
    int value;
    double left;           // the chart's Left, container units
    double visibleAmount;  // an amount that must then lie in view
};

class Scrolling : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(Scrolling, MovesTheChartSideways) {
    const ScrollCase c = GetParam();
    auto form = test::startedForm();
    form->hscn->setValue(c.value);
    EXPECT_DOUBLE_EQ(form->picContainer->childLeft(form->picGraph), c.left);
    const QPoint pixel = chartPoint(*form, c.visibleAmount + 0.5, kFreeY).pixel;
    EXPECT_EQ(widgetAt(*form, form->picGraph, pixel), form->picGraph);

    // Back to the start through the thumb being dragged.
    form->hscn->setSliderDown(true);
    form->hscn->setSliderPosition(0);
    form->hscn->setSliderDown(false);
    EXPECT_DOUBLE_EQ(form->picContainer->childLeft(form->picGraph), 16.0);
}

INSTANTIATE_TEST_SUITE_P(Chart, Scrolling,
                         ::testing::Values(ScrollCase{0, 16, 0}, ScrollCase{700, -684, 450},
                                           ScrollCase{1534, -1518, 998}));

TEST(Scrolling, ArrowAndPageStepsFollow) {
    auto form = test::startedForm();
    form->hscn->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_DOUBLE_EQ(form->picContainer->childLeft(form->picGraph), 15.0);
    form->hscn->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_DOUBLE_EQ(form->picContainer->childLeft(form->picGraph), 15.0 - form->hscn->pageStep());
    // Notes are part of the chart's picture and travel with it.
    form->picGraph_MouseDown(20.0f, 18.0f);
    form->picGraph_MouseMove(25.0f, 18.0f);
    form->picGraph_MouseUp();
    form->hscn->setValue(0);
    EXPECT_EQ(form->picGraph->primitives().back().p2, QPointF(25.0, 18.0));
}

}  // namespace
}  // namespace frankierung
