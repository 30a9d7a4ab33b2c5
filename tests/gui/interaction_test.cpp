// What the user does with the window: commands, stamp values, pair panels, the hint line, the
// chart as a board, the stamps dragged along it and the scroll bar.
#include <QAbstractScrollArea>
#include <QScrollBar>

#include "window.h"

namespace frankierung {
namespace {

const QColor kNoteBlue(0, 0, 128);

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

// A refused "zeigen" says why and loses nothing: chart, bounds, log and values stay.
TEST(Commands, ARefusedRunKeepsWhatThereIs) {
    test::Window w;
    test::MessageAnswerer answer;
    w.setText("txtMarke(2)", "15.5");
    const QStringList kept{"picGraph", "StartAB", "StartBC", "StartCA",     "StartABC",
                           "txtLog",   "txtPrüf", "txtPos",  "txtMarke(0)", "txtMarke(2)"};
    const QStringList before = w.texts(kept);
    const std::size_t items = w.drawing().size();
    w.click("cmdZeigen");
    EXPECT_EQ(answer.seen, QStringList("Markenwert nicht zulässig: Markenwert C = „15.5“ geht "
                                       "nicht: erlaubt sind ganze Zahlen von 1 bis 32767."));
    EXPECT_EQ(std::pair(w.texts(kept), w.drawing().size()), std::pair(before, items));
}

TEST(Commands, InformationNamesTheAuthor) {
    test::Window w;
    test::MessageAnswerer answer;
    w.click("cmdInfo");
    EXPECT_EQ(answer.seen, QStringList("Programmiert von: Orvandel\nKestrelhaus"));
}

TEST(StampInput, StepsTypingAndTheirTraces) {
    test::Window w;
    // box, text before, button, text after (nullptr: untouched, no change ran), hint line
    const std::tuple<int, const char*, const char*, const char*, const char*> steps[] = {
        {0, "6", "Minus", " 5", ""},
        {1, "1", "Minus", nullptr, ""},
        {2, "abc", "Minus", nullptr, ""},
        {0, "", "plus", " 1", ""},
        {1, "32767", "plus", " 32768", ""},
        {2, "-5", "plus", "-4", ""},
        {0, "1e999", "plus", nullptr, "A: „1e999“ ist zu groß zum Erhöhen."},
        {1, "1e20", "Minus", nullptr, "B: „1e20“ ist zu groß zum Verringern."}};
    for (const auto& [i, before, button, after, hint] : steps) {
        SCOPED_TRACE(std::string(before) + " " + button);
        const QString box = QString("txtMarke(%1)").arg(i), label = QString("Label2(%1)").arg(i);
        w.setText(box, before);
        w.get<QLabel>(label)->setText("unberührt");
        w.get<QTextEdit>("txtPos")->clear();
        w.get<PictureBox>("picCA")->canvas().print("15-6");
        const double x = w.stamp(i).x();
        w.click(QString("cmdMarke%1(%2)").arg(button).arg(i));
        EXPECT_EQ(w.text(box), after != nullptr ? after : before);
        EXPECT_EQ(w.text(label), after != nullptr ? w.text(box) + "c" : "unberührt");
        EXPECT_EQ(w.text("picCA"), after != nullptr ? "" : "15-6");
        EXPECT_EQ(w.text("txtPos"), hint);
        EXPECT_EQ(w.stamp(i).x(), after != nullptr ? w.text(box).toDouble() : x);
    }
    w.setText("txtMarke(0)", "");
    QTest::keyClicks(w.get("txtMarke(0)"), "12abc");
    EXPECT_EQ(w.text("Label2(0)") + "|" + QString::number(w.stamp(0).x()), "12abcc|12");
    // A run raises values below one to "1", which moves their stamps at once (A as typed above
    // it would refuse).
    w.setText("txtMarke(0)", "12");
    w.setText("txtMarke(1)", "-7");
    w.click("cmdZeigen");
    EXPECT_EQ(
        w.text("Label2(1)") + "|" + QString::number(w.stamp(1).x()) + "|" + w.text("StartABC"),
        "1c|1|1");
}

// The line's numbers are the core's (tests/core/pairinfo_test.cpp); here which boxes a panel
// reads and how it words them.
TEST(PairPanels, HoverShowsDivisorMultipleAndBoundOrWhatIsWrong) {
    test::Window w;
    const QString tail = " – erlaubt sind ganze Zahlen von 0 bis 32767.";
    // A, B, C, the bound box of the panel's pair, panel, line
    const std::array<QString, 6> rows[] = {
        {"6", "10", "15", " 16", "picAB", "ggT = 2,  kgV = 30,  S((AB),C) = 30"},
        {"6", "10", "15", " 10", "picBC", "ggT = 5,  kgV = 30,  S((BC),A) = 30"},
        {" 6", "10 ", "15", " 12", "picCA", "ggT = 3,  kgV = 30,  S((CA),B) = 30"},
        {"6", "10", "-21", " 16", "picAB", "ggT = 2,  kgV = 30,  S((AB),C) =-6"},
        {"0.5", "10", "15", "0", "picAB", "A: „0.5“ ist keine ganze Zahl" + tail},
        {"abc", "10", "15", "0", "picAB", "A: „abc“ ist keine Zahl" + tail},
        {"-6", "", "15", "0", "picAB", "A: „-6“ ist zu klein" + tail},
        {"6", "", "15", "0", "picAB", "B ist leer" + tail},
        {"6", "10", "32768", "0", "picBC", "C: „32768“ ist zu groß" + tail},
        {"6", "10", "x", "0", "picAB", "C: „x“ ist keine Zahl."},
        {"6", "10", "1e308", "1e308", "picAB", "S((AB),C) ist zu groß für eine Zahl."},
        {"6", "10", "15", "?", "picBC", "Grenze B, C fehlt – bitte zuerst „zeigen“ klicken."}};
    for (const auto& row : rows) {
        for (int i = 0; i < 3; ++i) {
            w.setText(QString("txtMarke(%1)").arg(i), row[i]);
        }
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

TEST(HintLine, EveryControlWritesItsHint) {
    test::Window w;
    auto* line = w.get<QTextEdit>("txtPos");
    const auto hintAfter = [&](const QString& name, bool click,
                               Qt::MouseButton button = Qt::LeftButton) {
        line->setPlainText("vorher");
        auto* area = w.form.findChild<QAbstractScrollArea*>(name);
        QWidget* control = area != nullptr ? area->viewport() : w.get(name);
        const QPoint p = uncovered(control);
        click ? QTest::mouseClick(control, button, {}, p) : test::Window::hover(control, p);
        return line->toPlainText();
    };
    const char* const pairBound =
        "Lückenlose Darstellung der Vielfachen des ggT dieser zwei Zahlen ab ...";
    // Each member of an array (its name with %1), and its hint; "vorher": it has none.
    const std::tuple<const char*, int, const char*> hints[] = {
        {"cmdMarkeMinus(%1)", 3, "Wert - 1"},
        {"cmdMarkeplus(%1)", 3, "Wert + 1"},
        {"txtMarke(%1)", 3, "Wert eingeben"},
        {"Label1(%1)", 7, "Verwendete Markenwerte"},
        {"cmdZeigen", 1, "Graphik aufbauen, Grenzen berechnen"},
        {"cmdWie", 1, "Einige Darstellungen für N = xA + yB + zC anzeigen"},
        {"txtPrüf", 1, "Die darzustellende Zahl kann auch direkt hier eingegeben werden."},
        {"txtLog", 1, "Beispiele für Zahldarstellungen"},
        {"StartAB", 1, pairBound},
        {"StartBC", 1, pairBound},
        {"StartCA", 1, pairBound},
        {"StartABC", 1, "Jede Zahl ab ... ist mit den drei Markenwerten darstellbar."},
        {"Image1", 1, "Posthorn"},
        {"picLegende", 1, "Eingabefeld"},
        {"frmABC", 1, ""},
        {"Picture1(0)", 1, "Pladdo"},
        {"Picture1(1)", 1, "Pladdina"},
        {"Picture1(2)", 1, "Pladdo"},
        {"Label2(%1)", 3, "vorher"},
        {"cmdLoeschen", 1, "vorher"},
        {"cmdCls", 1, "vorher"},
        {"txtN", 1, "vorher"},
        {"hscn", 1, "vorher"}};
    for (const auto& [name, members, hint] : hints) {
        for (int i = 0; i < members; ++i) {
            const QString control = members > 1 ? QString(name).arg(i) : name;
            EXPECT_EQ(hintAfter(control, false), hint) << control.toStdString();
        }
    }
    EXPECT_EQ(hintAfter("Label1(4)", true), "Nur diese Markenwerte verwenden");
    EXPECT_EQ(hintAfter("Label1(4)", true, Qt::RightButton), "vorher");
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
        EXPECT_EQ(std::tuple(segment.kind, segment.mark, segment.color, segment.penWidth),
                  std::tuple(DrawingItem::Kind::Line, DrawingItem::Mark::Note, kNoteBlue, 2));
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

TEST(Scrolling, TheBarSlidesTheChartToItsEnd) {
    test::Window w;
    auto* scroll = w.get<QScrollBar>("hscn");
    auto* container = w.get<PictureBox>("picContainer");
    for (const auto& [value, left, amount] : {std::tuple{700, -684, 450.5}, {1534, -1518, 999.5}}) {
        scroll->setValue(value);
        EXPECT_EQ(container->childRect(w.chart()).x(), left);
        EXPECT_EQ(w.form.childAt(w.chart()->mapTo(&w.form, w.pixel({amount, 18}))), w.chart());
        // The chart slides beneath the legend, never over it.
        QWidget* legend = w.get("picLegende");
        EXPECT_EQ(w.form.childAt(legend->mapTo(&w.form, QPoint(8, legend->height() - 8))), legend);
    }
    scroll->setValue(0);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(container->childRect(w.chart()).x(), 6);
    scroll->setSliderDown(true);  // the thumb dragged: the value follows it, not the release
    scroll->setSliderPosition(300);
    EXPECT_EQ(std::pair(scroll->value(), container->childRect(w.chart()).x()),
              std::pair(300, -284.0));
}

}  // namespace
}  // namespace frankierung
