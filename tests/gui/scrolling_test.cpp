// The chart slid by the wheel, the keys and two fingers, all through its scroll bar; what the
// bar's end shows; and the stamps above the rows at every size.
#include <QPointingDevice>
#include <QScrollBar>
#include <QWheelEvent>

#include "chartlayout.h"
#include "window.h"

namespace frankierung {
namespace {

double chartLeft(const test::Window& w) {  // in container units
    return w.get<PictureBox>("picContainer")->childRect(w.chart()).x();
}

int wheeled(const test::Window& w, QPoint angle, int from = 500) {
    w.get<QScrollBar>("hscn")->setValue(from);
    QWheelEvent event({5, 5}, w.chart()->mapToGlobal(QPointF(5, 5)), {}, angle, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.chart(), &event);
    EXPECT_EQ(chartLeft(w), 16 - w.get<QScrollBar>("hscn")->value());
    return w.get<QScrollBar>("hscn")->value() - from;
}

TEST(ScrollingBy, TheWheelAndTheKeysOverTheChart) {
    test::Window w;
    const int notch = wheeled(w, {0, -120});  // down: larger amounts, as in a timeline
    EXPECT_GT(notch, 0);
    EXPECT_EQ(std::vector({wheeled(w, {0, 120}), wheeled(w, {-120, 0}), wheeled(w, {0, -240})}),
              std::vector({-notch, notch, 2 * notch}));
    auto* bar = w.get<QScrollBar>("hscn");
    const int step = bar->singleStep(), page = bar->pageStep(), end = bar->maximum() - 500;
    const std::pair<const char*, int> keys[] = {
        {"Right", step}, {"Num+Left", -step}, {"Down", step}, {"Up", -step},   {"PgDown", page},
        {"PgUp", -page}, {"Home", -500},      {"End", end},   {"Ctrl+End", 0}, {"A", 0}};
    w.chart()->setFocus();
    const QSize size = w.chart()->size();  // moved, never resized: that would lose its tiles
    for (const auto& [name, by] : keys) {
        const QKeyCombination key = QKeySequence(name)[0];
        bar->setValue(500);
        QTest::keyClick(w.chart(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(std::pair(bar->value(), chartLeft(w)), std::pair(500 + by, 16.0 - 500 - by))
            << name;
        EXPECT_EQ(w.chart()->size(), size);
    }
    bar->setSliderDown(true);  // the thumb dragged: the chart follows it, not the release
    bar->setSliderPosition(300);
    EXPECT_EQ(chartLeft(w), 16 - 300);
}

TEST(ScrollingBy, TwoFingersWhileOneStillWrites) {
    test::Window w;
    auto* bar = w.get<QScrollBar>("hscn");
    bar->setValue(500);
    QPointingDevice* screen = QTest::createTouchDevice();
    const auto touch = [&] { return QTest::touchEvent(&w.form, screen); };
    const auto at = [&](double x, double y) { return w.chart()->mapTo(&w.form, w.pixel({x, y})); };
    const double perStep = w.get<PictureBox>("picContainer")->scale().pixelsPerUnitX();
    const QPoint a = at(340, 17), b = at(345, 17.5), left(-qRound(40 * perStep), 0);
    const std::size_t items = w.drawing().size();
    // The fingers swiped to the left, the second after the first began: its short stroke ends
    // there, and the chart follows them.
    touch().press(0, a);
    touch().move(0, a + QPoint(0, 10));
    touch().move(0, a + QPoint(0, 10)).press(1, b);
    touch().move(0, a + left / 2).move(1, b + left / 2);
    touch().move(0, a + left).move(1, b + left);
    touch().release(0, a + left).release(1, b + left);
    EXPECT_EQ(std::pair(bar->value(), chartLeft(w)), std::pair(540, 16.0 - 540));
    EXPECT_EQ(w.drawing().size(), items + 1);
    // One finger writes and picks its amount, as the mouse does.
    touch().press(0, at(350.2, 18));
    touch().move(0, at(352, 17));
    touch().release(0, at(352, 17));
    EXPECT_EQ(std::tuple(bar->value(), w.drawing().size(), w.drawing().back().mark),
              std::tuple(540, items + 2, DrawingItem::Mark::Note));
    EXPECT_EQ(w.text("txtPrüf"), " 350");
    // A finger on a stamp drags the stamp.
    bar->setValue(0);
    touch().press(0, w.get("Picture1(1)")->mapTo(&w.form, QPoint(20, 60)));
    touch().move(0, at(3.5, 2));
    touch().release(0, at(3.5, 2));
    EXPECT_EQ(std::pair(w.text("txtMarke(1)"), w.drawing().size()),
              std::pair(QString("3"), items + 2));
}

// Each corner of the chart pixels r lies in the open, not under the log or the legend.
bool showsWhole(const test::Window& w, const QRectF& r) {
    const QRect p = r.toAlignedRect().adjusted(0, 0, -1, -1);
    const std::array corners{p.topLeft(), p.topRight(), p.bottomLeft(), p.bottomRight()};
    return std::all_of(corners.begin(), corners.end(), [&](QPoint c) {
        return w.form.childAt(w.chart()->mapTo(&w.form, c)) == w.chart();
    });
}

// At the bar's end the last amount's column, its tick and both its numbers show whole, at every
// size, also after a resize, with little ground after them. The stamps stay above the rows, on
// short screens at a smaller size, their value labels as designed.
TEST(ScrollingBy, TheBarsEndAndTheStampsAtEverySize) {
    const test::Window tall({1920, 1080});
    const QSize stampSize = tall.get("Picture1(0)")->size();
    for (const auto& [start, now] :
         {std::pair(QSize(1280, 1024), QSize(1280, 1024)),
          {QSize(1024, 600), QSize(1024, 600)},
          {QSize(kMinimumWindowWidth, kMinimumWindowHeight), QSize(3840, 2160)},
          {QSize(1920, 1080), QSize(1024, 600)}}) {
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
                EXPECT_TRUE(showsWhole(w, QRectF(scale.toPixels(item.p1), item.textSize)));
                ++numbers;
            }
        }
        EXPECT_EQ(numbers, 2);
        EXPECT_TRUE(
            showsWhole(w, scale.toPixels(QRectF(QPointF(1000, chartlayout::kLongTickTop),
                                                QPointF(1001, chartlayout::kLongTickBottom)))));
        EXPECT_LT(w.point(w.chart()->visibleRegion().boundingRect().topRight()).x(), 1004);

        const double strip = w.pixel({0, chartlayout::kStripsTop}).y();
        for (int i = 0; i < 3; ++i) {
            QWidget* stamp = w.get(QString("Picture1(%1)").arg(i));
            auto* label = w.get<QLabel>(QString("Label2(%1)").arg(i));
            EXPECT_LE(stamp->geometry().bottom(), strip) << i;
            EXPECT_TRUE(stamp->rect().contains(label->geometry())) << i;
            EXPECT_EQ(label->size(), tall.get(label->objectName())->size());
        }
        EXPECT_EQ(w.get("Picture1(0)")->size() == stampSize, now.height() > 1000);
    }
}

}  // namespace
}  // namespace frankierung
