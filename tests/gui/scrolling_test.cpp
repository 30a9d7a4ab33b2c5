// The chart slid by the wheel, the keys, two fingers and the dragged thumb, all through its scroll
// bar; what the bar's end shows; and the stamps above the rows at every size.
#include <QPointingDevice>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include "chartlayout.h"
#include "window.h"

namespace frankierung {
namespace {

// Where the scroll bar puts the chart: its left edge in container units.
double chartLeft(const test::Window& w) {
    return w.get<PictureBox>("picContainer")->childRect(w.chart()).x();
}

void wheel(QWidget* over, QPoint angle) {
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent event(at, over->mapToGlobal(at), {}, angle, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &event);
}

TEST(ScrollingBy, TheWheelOverTheChart) {
    test::Window w;
    auto* bar = w.get<QScrollBar>("hscn");
    // name, wheel turn in eighths of a degree, the way the bar goes
    const std::tuple<const char*, QPoint, int> turns[] = {{"down", {0, -120}, 1},
                                                          {"up", {0, 120}, -1},
                                                          {"swipe left", {-120, 0}, 1},
                                                          {"swipe right", {120, 0}, -1},
                                                          {"two notches", {0, -240}, 1}};
    for (const auto& [name, angle, way] : turns) {
        SCOPED_TRACE(name);
        bar->setValue(500);
        wheel(w.chart(), angle);
        EXPECT_EQ((bar->value() - 500) * way > 0, true) << bar->value();
        EXPECT_EQ(chartLeft(w), 16 - bar->value());
    }
    // Two notches go twice as far as one; a touchpad's small steps add up.
    bar->setValue(500);
    wheel(w.chart(), {0, -120});
    const int notch = bar->value() - 500;
    wheel(w.chart(), {0, -240});
    EXPECT_EQ(bar->value(), 500 + 3 * notch);
    bar->setValue(500);
    for (int k = 0; k < 8; ++k) {
        wheel(w.chart(), {0, -15});
    }
    EXPECT_EQ(bar->value(), 500 + notch);
}

TEST(ScrollingBy, KeysWhileTheChartHasTheFocus) {
    test::Window w;
    auto* bar = w.get<QScrollBar>("hscn");
    const int step = bar->singleStep(), page = bar->pageStep();
    // key, modifiers, value after it from 500
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {
        {Qt::Key_Right, {}, 500 + step},
        {Qt::Key_Left, {}, 500 - step},
        {Qt::Key_Down, {}, 500 + step},
        {Qt::Key_Up, {}, 500 - step},
        {Qt::Key_PageDown, {}, 500 + page},
        {Qt::Key_PageUp, {}, 500 - page},
        {Qt::Key_Home, {}, 0},
        {Qt::Key_End, {}, bar->maximum()},
        {Qt::Key_Left, Qt::KeypadModifier, 500 - step},
        {Qt::Key_End, Qt::ControlModifier, 500},
        {Qt::Key_A, {}, 500}};
    w.chart()->setFocus();
    // Moved, never resized: a resize would throw away all it has painted.
    const QSize size = w.chart()->size();
    for (const auto& [key, modifiers, after] : keys) {
        SCOPED_TRACE(QKeySequence(key | modifiers).toString().toStdString());
        bar->setValue(500);
        QTest::keyClick(w.chart(), key, modifiers);
        EXPECT_EQ(bar->value(), after);
        EXPECT_EQ(chartLeft(w), 16 - after);
        EXPECT_EQ(w.chart()->size(), size);
    }
    // Elsewhere the keys are the focused control's: Home in a stamp box moves its caret.
    auto* box = w.get<QLineEdit>("txtMarke(0)");
    box->setFocus();
    bar->setValue(500);
    QTest::keyClick(box, Qt::Key_Home);
    EXPECT_EQ(std::pair(bar->value(), box->cursorPosition()), std::pair(500, 0));
}

TEST(ScrollingBy, TwoFingersWhileOneStillWrites) {
    test::Window w;
    auto* bar = w.get<QScrollBar>("hscn");
    QPointingDevice* screen = QTest::createTouchDevice();
    const double perStep = w.get<PictureBox>("picContainer")->scale().pixelsPerUnitX();
    // Fingers on the window, over amounts in view at 500.
    bar->setValue(500);
    const auto onWindow = [&](QPointF at) { return w.chart()->mapTo(&w.form, w.pixel(at)); };
    const QPoint a = onWindow({340, 17}), b = onWindow({345, 17.5});
    const QPoint left(-static_cast<int>(std::lround(40 * perStep)), 0);
    const auto touch = [&] { return QTest::touchEvent(&w.form, screen); };

    // Two fingers swiped to the left: the chart follows them by as many pixels, no ink.
    const std::size_t items = w.drawing().size();
    touch().press(0, a).press(1, b);
    touch().move(0, a + left / 2).move(1, b + left / 2);
    touch().move(0, a + left).move(1, b + left);
    touch().release(0, a + left).release(1, b + left);
    EXPECT_EQ(bar->value(), 540);
    EXPECT_EQ(chartLeft(w), 16 - 540);
    EXPECT_EQ(w.drawing().size(), items);

    // A second finger after the first has begun: the stroke ends where the swipe begins.
    bar->setValue(500);
    touch().press(0, a);
    touch().move(0, a + QPoint(0, 10));
    touch().move(0, a + QPoint(0, 10)).press(1, b);
    touch().move(0, a + left / 2).move(1, b + left / 2);
    touch().move(0, a + left).move(1, b + left);
    touch().release(0, a + left).release(1, b + left);
    EXPECT_EQ(bar->value(), 540);
    EXPECT_EQ(w.drawing().size(), items + 1);

    // One finger writes, as the mouse does, and picks its amount.
    const QPoint route[] = {onWindow({350.2, 18}), onWindow({352, 17}), onWindow({354, 18})};
    touch().press(0, route[0]);
    touch().move(0, route[1]);
    touch().move(0, route[2]);
    touch().release(0, route[2]);
    EXPECT_EQ(bar->value(), 540);
    EXPECT_EQ(w.drawing().size(), items + 3);
    EXPECT_EQ(w.drawing().back().mark, DrawingItem::Mark::Note);
    EXPECT_LT(
        (w.drawing().back().p2 - w.point(w.chart()->mapFrom(&w.form, route[2]))).manhattanLength(),
        1e-4);
    EXPECT_EQ(w.text("txtPrüf"), " 350");

    // A finger on a stamp drags the stamp, not the chart.
    bar->setValue(0);
    const QPoint grip = w.get("Picture1(1)")->mapTo(&w.form, QPoint(20, 60));
    touch().press(0, grip);
    touch().move(0, onWindow({3.5, 2}));
    touch().release(0, onWindow({3.5, 2}));
    EXPECT_EQ(w.text("txtMarke(1)"), "3");
    EXPECT_EQ(w.drawing().size(), items + 3);
}

// The thumb held and moved: the bar's value is where the thumb is before it is let go.
TEST(ScrollingBy, TheDraggedThumb) {
    test::Window w;
    auto* bar = w.get<QScrollBar>("hscn");
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    const QPoint thumb =
        bar->style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
            .center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, thumb + QPoint(bar->width() / 4, 0));
    const int held = bar->value();
    EXPECT_GT(held, 0);
    EXPECT_EQ(held, bar->sliderPosition());
    EXPECT_EQ(chartLeft(w), 16 - held);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb + QPoint(bar->width() / 4, 0));
    EXPECT_EQ(bar->value(), held);
}

// The part of the chart's pixels r that lies in the open, not under the log or the legend.
bool showsWhole(const test::Window& w, const QRectF& r) {
    const QRect pixels = r.toAlignedRect().adjusted(0, 0, -1, -1);
    for (const QPoint p :
         {pixels.topLeft(), pixels.topRight(), pixels.bottomLeft(), pixels.bottomRight()}) {
        if (w.form.childAt(w.chart()->mapTo(&w.form, p)) != w.chart()) {
            return false;
        }
    }
    return true;
}

// At the bar's end the last amount's column, its tick and both its numbers show whole, at every
// size, also after a resize; the view ends soon after them.
TEST(ScrollingBy, TheBarsEndShowsTheLastAmount) {
    for (const auto& [start, now] : {std::pair(QSize(1280, 1024), QSize(1280, 1024)),
                                     {QSize(1024, 600), QSize(1024, 600)},
                                     {QSize(kMinimumWindowWidth, kMinimumWindowHeight),
                                      QSize(kMinimumWindowWidth, kMinimumWindowHeight)},
                                     {QSize(1920, 1080), QSize(1920, 1080)},
                                     {QSize(3840, 2160), QSize(3840, 2160)},
                                     {QSize(1920, 1080), QSize(1024, 600)},
                                     {QSize(1024, 600), QSize(2560, 1440)}}) {
        SCOPED_TRACE(QString("%1x%2").arg(now.width()).arg(now.height()).toStdString());
        test::Window w(start);
        w.form.resize(now);
        QCoreApplication::processEvents();
        auto* bar = w.get<QScrollBar>("hscn");
        bar->setValue(bar->maximum());
        const UserScale scale = w.chart()->scale();
        int numbers = 0;
        for (const DrawingItem& item : w.drawing()) {
            if (item.kind == DrawingItem::Kind::Text && item.p1.x() == 1000) {
                ++numbers;
                EXPECT_TRUE(showsWhole(w, QRectF(scale.toPixels(item.p1), item.textSize)))
                    << item.p1.y();
            }
        }
        EXPECT_EQ(numbers, 2);
        EXPECT_TRUE(
            showsWhole(w, scale.toPixels(QRectF(QPointF(1000, chartlayout::kLongTickTop),
                                                QPointF(1001, chartlayout::kLongTickBottom)))));
        // Little ground beyond the numbers' end.
        const QRect shown = w.chart()->visibleRegion().boundingRect();
        EXPECT_LT(w.point(shown.topRight()).x(), 1004);
    }
}

// The stamps stay above the upper number strip at any size, on short screens at a smaller size;
// their value labels keep their type and room.
TEST(Stamps, StayAboveTheRowsAtEverySize) {
    test::Window tall({1920, 1080});
    const QSize designed = tall.get("Picture1(0)")->size();
    for (const auto& [start, now] : {std::pair(QSize(1024, 600), QSize(1024, 600)),
                                     {QSize(1280, 1024), QSize(1280, 1024)},
                                     {QSize(kMinimumWindowWidth, kMinimumWindowHeight),
                                      QSize(kMinimumWindowWidth, kMinimumWindowHeight)},
                                     {QSize(1280, 1024), QSize(1024, 600)},
                                     {QSize(1024, 600), QSize(1280, 1024)}}) {
        SCOPED_TRACE(QString("%1x%2").arg(now.width()).arg(now.height()).toStdString());
        test::Window w(start);
        w.form.resize(now);
        QCoreApplication::processEvents();
        const double strip = w.pixel({0, chartlayout::kStripsTop}).y();
        for (int i = 0; i < 3; ++i) {
            QWidget* stamp = w.get(QString("Picture1(%1)").arg(i));
            EXPECT_LE(stamp->geometry().bottom(), strip) << i;
            auto* label = w.get<QLabel>(QString("Label2(%1)").arg(i));
            EXPECT_TRUE(stamp->rect().contains(label->geometry())) << i;
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << i;
            EXPECT_EQ(std::pair(label->size(), label->font()),
                      std::pair(tall.get(label->objectName())->size(),
                                tall.get(label->objectName())->font()));
        }
        // Where there is room they keep their size.
        if (now.height() >= 1024) {
            EXPECT_EQ(w.get("Picture1(0)")->size(), designed);
        }
    }
}

}  // namespace
}  // namespace frankierung
