// What the user does with the window: commands, stamp values, pair panels, the hint line, the
// chart as a board, the stamps dragged along it and the scroll bar.
#include <QScrollBar>

#include "hintline.h"
#include "window.h"

namespace frankierung {
namespace {

// A run asked for while a run lets events through follows it once; "Programm beenden" drops it.
TEST(Commands, NoRunNestsInAnother) {
    test::Window w;
    w.click("cmdLoeschen");
    const auto during = [&](const std::function<void()>& act) {
        QMetaObject::invokeMethod(&w.form, act, Qt::QueuedConnection);
        w.click("cmdZeigen");
    };
    struct Shows : QObject {  // the patience box comes up for every run
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            count += e->type() == QEvent::Show;
            return false;
        }
    } shows;
    w.get("txtRechnung")->installEventFilter(&shows);
    during([&] {
        for (int k = 0; k < 3; ++k) {
            w.click("cmdWie");
        }
    });
    EXPECT_EQ(shows.count, 2);
    const QString one = test::logOfRun("6", "10", "15", "200");
    EXPECT_EQ(w.text("txtLog"), "\n" + one + one);
    during([&] {
        w.click("cmdZeigen");
        w.click("cmdEnde");
    });
    EXPECT_EQ(w.text("txtLog"), "\n" + one + one + one);
    EXPECT_FALSE(w.form.isVisible());
}

TEST(Commands, InformationNamesTheAuthor) {
    test::Window w;
    test::MessageAnswerer answer;
    w.click("cmdInfo");
    EXPECT_EQ(answer.seen, QStringList("Programmiert von: Orvandel\nKestrelhaus"));
}

// A step writes the value and moves the stamp; a step that cannot be taken changes nothing (the
// pair panels keep their text) and says why where the value is too large for it.
TEST(StampInput, StepsAndTheirTraces) {
    test::Window w;
    // box, text before, button, text after (nullptr: untouched, no change ran), hint line
    const std::tuple<int, const char*, const char*, const char*, const char*> steps[] = {
        {0, "6", "Minus", " 5", ""},
        {1, "1", "Minus", nullptr, ""},
        {1, "32767", "plus", " 32768", ""},
        {0, "1e999", "plus", nullptr, "A: „1e999“ ist zu groß zum Erhöhen."},
        {1, "1e20", "Minus", nullptr, "B: „1e20“ ist zu groß zum Verringern."}};
    for (const auto& [i, before, button, after, hint] : steps) {
        SCOPED_TRACE(std::string(before) + " " + button);
        const QString box = QString("txtMarke(%1)").arg(i);
        w.setText(box, before);
        w.get<QTextEdit>("txtPos")->clear();
        w.get<PictureBox>("picCA")->canvas().print("15-6");
        const double x = w.stamp(i).x();
        w.click(QString("cmdMarke%1(%2)").arg(button).arg(i));
        EXPECT_EQ(w.text(box), after != nullptr ? after : before);
        EXPECT_EQ(w.text("picCA"), after != nullptr ? "" : "15-6");
        EXPECT_EQ(w.text("txtPos"), hint);
        EXPECT_EQ(w.stamp(i).x(), after != nullptr ? w.text(box).toDouble() : x);
    }
}

// The line's numbers are the core's (tests/core/pairinfo_test.cpp); here which boxes a panel
// reads and how it words them, also when all three values share a divisor.
TEST(PairPanels, HoverShowsDivisorMultipleAndBoundOrWhatIsWrong) {
    test::Window w;
    const QString tail = " – erlaubt sind ganze Zahlen von 0 bis 32767.";
    // A, B, C, the bound box of the panel's pair, panel, line
    const std::array<QString, 6> rows[] = {
        {"6", "10", "15", " 16", "picAB", "ggT = 2,  kgV = 30,  S((AB),C) = 30"},
        {" 6", "10 ", "15", " 12", "picCA", "ggT = 3,  kgV = 30,  S((CA),B) = 30"},
        {"6", "10", "14", " 16", "picAB",
         "ggT = 2,  kgV = 30,  S((AB),C): keine Schranke (alle drei durch 2 teilbar)"},
        {"0.5", "10", "15", "0", "picAB", "A: „0.5“ ist keine ganze Zahl" + tail},
        {"6", "", "15", "0", "picAB", "B ist leer" + tail},
        {"6", "10", "32768", "0", "picBC", "C: „32768“ ist zu groß" + tail},
        {"6", "10", "x", "0", "picAB", "C: „x“ ist keine Zahl."},
        {"6", "10", "1e308", "1e308", "picAB", "S((AB),C) ist zu groß für eine Zahl."},
        {"6", "10", "15", "?", "picBC", "Grenze B, C fehlt – bitte zuerst „zeigen“ klicken."}};
    for (const auto& row : rows) {
        w.setValues({row[0], row[1], row[2]});
        w.setText("Start" + row[4].mid(3), row[3]);
        test::Window::hover(w.get(row[4]), {5, 5});
        EXPECT_EQ(w.text("txtPos"), row[5]);
    }
}

// A point of w where w itself, not something lying on it, is under the mouse.
QPoint uncovered(QWidget* w) {
    for (int y = 2; y < w->height() - 1; y += 2) {
        for (int x = 2; x < w->width() - 1; x += 2) {
            if (w->window()->childAt(w->mapTo(w->window(), QPoint(x, y))) == w) {
                return {x, y};
            }
        }
    }
    ADD_FAILURE() << w->objectName().toStdString() << " lies nowhere in the open";
    return {};
}

// Each control of the hint table writes its hint when the mouse moves over it (the row labels
// also when clicked); a control lying on another keeps its moves to itself, with or without a
// hint of its own.
TEST(HintLine, EveryControlWritesItsHint) {
    test::Window w;
    auto* line = w.get<QTextEdit>("txtPos");
    const auto hintAfter = [&](QWidget* control, bool click,
                               Qt::MouseButton button = Qt::LeftButton) {
        line->setPlainText("vorher");
        const QPoint p = uncovered(control);
        click ? QTest::mouseClick(control, button, {}, p) : test::Window::hover(control, p);
        return line->toPlainText();
    };
    for (const ControlHint& hint : controlHints(w.form)) {
        EXPECT_EQ(hintAfter(hint.control, hint.trigger == ControlHint::Trigger::Click), hint.text)
            << controlOf(hint.control)->objectName().toStdString();
    }
    EXPECT_EQ(hintAfter(w.get("Label1(4)"), true, Qt::RightButton), "vorher");
    for (const char* quiet : {"Label2(0)", "Label2(1)", "Label2(2)", "cmdCls"}) {
        EXPECT_EQ(hintAfter(w.get(quiet), false), "vorher") << quiet;
    }
}

TEST(ChartMouse, PointPickAndDrawNotes) {
    test::Window w;
    for (const double x : {17.6, 0.2, -1.5}) {
        const QPoint p = w.pixel({x, 18.5});
        test::Window::hover(w.chart(), p);
        const auto amount = static_cast<int>(std::floor(w.point(p).x()));
        EXPECT_EQ(w.text("txtPos"), QString("N = %1%2  (Auswahl zur Darstellung durch Anklicken)")
                                        .arg(amount < 0 ? "" : " ")
                                        .arg(amount));
    }
    const QCursor pointer = w.chart()->cursor();  // pointing with the middle of its squares
    EXPECT_EQ(pointer.hotSpot() * 2, QPoint(pointer.pixmap().width(), pointer.pixmap().height()));
    // Any button draws; the chart keeps the mouse while it is held, also below its edge.
    const std::size_t before = w.drawing().size();
    const QPoint route[] = {w.pixel({10.2, 18}), w.pixel({20, 17.5}), w.pixel({30, 17}),
                            w.pixel({30, 24})};
    QTest::mousePress(w.chart(), Qt::RightButton, {}, route[0]);
    EXPECT_EQ(w.text("txtPrüf"), " 10");
    for (int k = 1; k < 4; ++k) {
        QTest::mouseMove(w.chart(), route[k]);
        const DrawingItem& segment = w.drawing().back();
        EXPECT_LT((segment.p1 - w.point(route[k - 1])).manhattanLength() +
                      (segment.p2 - w.point(route[k])).manhattanLength(),
                  1e-4);
        EXPECT_EQ(std::pair(segment.kind, segment.mark),
                  std::pair(DrawingItem::Kind::Line, DrawingItem::Mark::Note));
    }
    QTest::mouseRelease(w.chart(), Qt::RightButton, {}, route[3]);
    QTest::mouseMove(w.chart(), w.pixel({35, 18}));
    EXPECT_EQ(w.drawing().size(), before + 3);
    // A press on a stamp's value label starts neither a drag nor a note.
    QWidget* label = w.get("Label2(1)");
    const QPoint far = label->mapFrom(w.chart(), w.pixel({30, 18}));
    QTest::mousePress(label, Qt::LeftButton, {}, {3, 3});
    QTest::mouseMove(label, far);
    QTest::mouseRelease(label, Qt::LeftButton, {}, far);
    EXPECT_EQ(w.drawing().size(), before + 3);
    EXPECT_EQ(w.text("txtMarke(1)") + w.text("txtPrüf"), "10 10");
}

// Presses stamp i, moves the held pointer to the pixel of `over` and releases it there.
void dragStamp(const test::Window& w, int i, QWidget* over, QPoint pixel) {
    QWidget* stamp = w.get(QString("Picture1(%1)").arg(i));
    const QPoint to = stamp->mapFrom(&w.form, over->mapTo(&w.form, pixel));
    QTest::mousePress(stamp, Qt::LeftButton, {}, stamp->rect().center());
    QTest::mouseMove(stamp, to);
    QTest::mouseRelease(stamp, Qt::LeftButton, {}, to);
}

TEST(StampDrag, ValueFollowsThePointerOverTheFreeChartOnly) {
    test::Window w;
    auto* scroll = w.get<QScrollBar>("hscn");
    scroll->setValue(40);
    const QPoint target = w.pixel({42.3, 18.5});
    dragStamp(w, 1, w.chart(), target);
    EXPECT_EQ(w.text("txtMarke(1)"), "42");
    EXPECT_LT((w.stamp(1) - w.point(target)).manhattanLength(), 1e-4);  // the fraction stays
    dragStamp(w, 1, w.get("txtLog"), {20, 20});                         // off the chart
    EXPECT_EQ(w.text("txtMarke(1)"), "42");

    scroll->setValue(0);
    dragStamp(w, 0, w.chart(), w.pixel({-1.5, 18.5}));
    EXPECT_EQ(w.text("txtMarke(0)"), "-2");
    // Over another stamp or the legend lying on the chart: nothing happens.
    dragStamp(w, 0, w.get("Picture1(2)"), {5, w.get("Picture1(2)")->height() - 5});
    scroll->setValue(100);
    dragStamp(w, 0, w.get("picLegende"), {100, 400});
    EXPECT_EQ(w.text("txtMarke(0)") + QString::number(std::floor(w.stamp(0).x())), "-2-2");
}

}  // namespace
}  // namespace frankierung
