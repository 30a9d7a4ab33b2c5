// The window from the keyboard: Enter in the boxes, full screen, the menus by Alt and F10, the
// focus shown on every control that takes it, and the hint line following the focus.
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include "focusring.h"
#include "window.h"

namespace frankierung {
namespace {

struct KeyboardWindow : test::Window {
    KeyboardWindow() { activate(); }
    void activate() {
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup != nullptr ? popup : focused(), k, modifiers);
    }
};

TEST(Keyboard, EnterInABoxRunsItsCommand) {
    struct Case {
        const char* name;
        const char* box;
        const char* text;
        Qt::Key key;
        std::array<const char*, 4> run;  // A, B, C and the amount the run uses
    };
    const Case cases[] = {
        {"stamp box A, Return", "txtMarke(0)", "7", Qt::Key_Return, {"7", "10", "15", "200"}},
        {"stamp box C, keypad Enter", "txtMarke(2)", "9", Qt::Key_Enter, {"7", "10", "9", "200"}},
        {"amount box", "txtPrüf", "31", Qt::Key_Return, {"7", "10", "9", "31"}},
    };
    KeyboardWindow w;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.setText(c.box, c.text);
        const QString log = w.text("txtLog");
        w.get(c.box)->setFocus();
        w.key(c.key);
        const auto& [a, b, cc, amount] = c.run;
        EXPECT_EQ(w.text("txtLog"), log + test::logOfRun(a, b, cc, amount));
        EXPECT_EQ(w.text("picAB"), QString("%1-%2").arg(a, b));
    }
}

TEST(Keyboard, F11SwitchesFullScreenEscLeavesIt) {
    KeyboardWindow w;
    auto* toggle = w.form.findChild<QAction*>("cmdVollbild");
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(std::tuple(toggle->text(), toggle->shortcut(), toggle->isCheckable()),
              std::tuple(QString("Vollbild"), QKeySequence(Qt::Key_F11), true));
    EXPECT_TRUE(w.get<QMenu>("mnuAnsicht")->menuAction()->isVisible());
    const QRect normal = w.form.geometry();
    w.get("txtMarke(1)")->setFocus();
    struct Step {
        const char* name;
        std::function<void()> act;
        bool fullScreen;
    };
    const Step steps[] = {
        {"Esc outside full screen does nothing", [&] { w.key(Qt::Key_Escape); }, false},
        {"F11 switches it on", [&] { w.key(Qt::Key_F11); }, true},
        {"Esc leaves it", [&] { w.key(Qt::Key_Escape); }, false},
        {"F11 again", [&] { w.key(Qt::Key_F11); }, true},
        {"F11 switches it off", [&] { w.key(Qt::Key_F11); }, false},
        {"the menu entry", [&] { toggle->trigger(); }, true},
        {"the menu entry again", [&] { toggle->trigger(); }, false},
        {"from outside, the check mark follows", [&] { w.form.showFullScreen(); }, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.form.isFullScreen(), s.fullScreen);
        EXPECT_EQ(toggle->isChecked(), s.fullScreen);
        EXPECT_EQ(w.form.geometry(), s.fullScreen ? w.form.screen()->geometry() : normal);
        EXPECT_EQ(w.focused(), w.get("txtMarke(1)"));
    }
}

// Alt or F10, the arrow keys and Enter reach every menu item; the designed captions stay.
TEST(Keyboard, MenusOpenWithAltAndF10) {
    KeyboardWindow w;
    QStringList captions;
    for (const QAction* a : w.form.menuBar()->actions()) {
        if (a->isVisible()) {
            captions << a->text();
        }
    }
    EXPECT_EQ(captions.mid(0, 3),
              QStringList({"Programm beenden", "Tafel wischen", "Information"}));
    struct Case {
        const char* name;
        std::function<void()> open;
    };
    const Case cases[] = {
        {"Alt", [&] { w.key(Qt::Key_Alt, Qt::AltModifier); }},
        {"F10", [&] { w.key(Qt::Key_F10); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.click("cmdZeigen");
        w.activate();  // offscreen, a closed popup leaves no window active
        w.get("txtMarke(0)")->setFocus();
        c.open();
        EXPECT_EQ(w.focused(), w.form.menuBar());
        EXPECT_EQ(w.form.menuBar()->activeAction()->text(), "Programm beenden");
        w.key(Qt::Key_Right);
        w.key(Qt::Key_Down);
        EXPECT_EQ(QApplication::activePopupWidget(), w.get("cmdClean"));
        w.key(Qt::Key_Return);  // "Alles", the first item
        EXPECT_TRUE(w.drawing().empty());
        EXPECT_EQ(w.focused(), w.get("txtMarke(0)"));
    }
    // F10 again, or Esc, gives the keys back.
    for (const Qt::Key leave : {Qt::Key_F10, Qt::Key_Escape}) {
        w.activate();
        w.key(Qt::Key_F10);
        EXPECT_EQ(w.focused(), w.form.menuBar());
        w.key(leave);
        EXPECT_EQ(w.focused(), w.get("txtMarke(0)"))
            << QKeySequence(leave).toString().toStdString();
    }
}

// What the user sees of a control's edge, where a focus is drawn: the window's pixels in a band
// three pixels wide along the part of it that no other control covers.
QImage edge(test::Window& w, const QWidget* control) {
    QCoreApplication::processEvents();
    const QRect part = FocusRing::shownPart(*control);
    QImage seen =
        w.form.grab(QRect(control->mapTo(&w.form, part.topLeft()), part.size())).toImage();
    QPainter(&seen).fillRect(QRect(QPoint(0, 0), part.size()).adjusted(3, 3, -3, -3), Qt::black);
    return seen;
}

// Every control that Tab reaches shows that it has the focus; the ring of those that show nothing
// themselves waits for the keyboard, as the style's own focus frames do.
TEST(Keyboard, EveryControlTabReachesShowsItsFocus) {
    KeyboardWindow w;
    QTest::mouseClick(w.chart(), Qt::LeftButton, {}, w.pixel({20, 10}));
    EXPECT_FALSE(w.get("focusRing")->isVisible()) << "the mouse gave the focus";
    w.focused()->clearFocus();
    QHash<QWidget*, QImage> unfocused;
    for (QWidget* c : w.form.findChildren<QWidget*>()) {
        if (c->isVisible() && (c->focusPolicy() & Qt::TabFocus) != 0) {
            unfocused.insert(c, edge(w, c));
        }
    }
    QSet<QWidget*> reached;
    for (qsizetype n = 0; n < unfocused.size(); ++n) {
        QTest::keyClick(n == 0 ? static_cast<QWidget*>(&w.form) : w.focused(), Qt::Key_Tab);
        QWidget* c = w.focused();
        SCOPED_TRACE(c->objectName().toStdString());
        EXPECT_NE(edge(w, c), unfocused.value(c));
        reached.insert(c);
    }
    EXPECT_EQ(reached.size(), unfocused.size());
    EXPECT_GE(reached.size(), 25);
}

// The chart's ring goes round its visible part, also while it scrolls, and goes with the focus;
// no focus, no ring.
TEST(Keyboard, TheChartsRingFollowsItsVisiblePart) {
    {
        const MainWindow unshown;
        EXPECT_FALSE(unshown.findChild<QWidget*>("focusRing")->isVisibleTo(&unshown));
    }
    KeyboardWindow w;
    w.get("txtMarke(2)")->setFocus();
    w.key(Qt::Key_Backtab);
    w.key(Qt::Key_Backtab);
    ASSERT_EQ(w.focused(), w.chart());
    auto* ring = w.get("focusRing");
    auto* bar = w.get<QScrollBar>("hscn");
    for (const int scrolled : {0, 500, 1534}) {
        bar->setValue(scrolled);
        QCoreApplication::processEvents();
        EXPECT_TRUE(ring->isVisible());
        EXPECT_EQ(ring->parentWidget(), w.chart());
        EXPECT_EQ(ring->geometry(), FocusRing::shownPart(*w.chart())) << scrolled;
        const QRect seen(w.chart()->mapTo(w.get("picContainer"), ring->pos()), ring->size());
        EXPECT_EQ(std::pair(seen.left(), seen.right() + 1),
                  std::pair(w.get("picLegende")->geometry().right() + 1, w.get("txtLog")->x()));
        EXPECT_EQ(seen.bottom() + 1, bar->y());
    }
    w.key(Qt::Key_Tab);
    EXPECT_EQ(std::pair(ring->parentWidget(), ring->isVisible()),
              std::pair(w.get("picLegende"), true));
    w.key(Qt::Key_Tab);  // a text box shows its own focus
    EXPECT_FALSE(ring->isVisible());
}

// Tab, Backtab and shortcuts explain the control reached, as the mouse does; a click or the
// program moving the focus leaves the line alone.
TEST(Keyboard, TheHintLineFollowsTheKeyboardFocus) {
    KeyboardWindow w;
    const auto line = [&] { return w.text("txtPos"); };
    w.get("txtMarke(2)")->setFocus();
    QStringList hints;
    for (int n = 0; n < 9; ++n) {
        w.key(Qt::Key_Tab);
        hints << w.focused()->objectName() + ": " + line();
    }
    EXPECT_EQ(hints, QStringList({"txtMarke(1): Wert eingeben", "txtMarke(0): Wert eingeben",
                                  "cmdZeigen: Graphik aufbauen, Grenzen berechnen",
                                  "picAB: ggT = 2,  kgV = 30,  S((AB),C) = 30",
                                  "picBC: ggT = 5,  kgV = 30,  S((BC),A) = 30",
                                  "picCA: ggT = 3,  kgV = 30,  S((CA),B) = 30",
                                  "cmdCls: ggT = 3,  kgV = 30,  S((CA),B) = 30",  // it has none
                                  "Picture1(0): Pladdo", "Picture1(1): Pladdina"}));
    w.key(Qt::Key_Backtab);
    EXPECT_EQ(line(), "Pladdo");
    w.get<QTextEdit>("txtPos")->clear();
    QTest::mouseClick(w.get("txtMarke(0)"), Qt::LeftButton);
    w.get("cmdZeigen")->setFocus();
    EXPECT_EQ(std::pair(w.focused()->objectName(), line()),
              std::pair(QString("cmdZeigen"), QString()));
}

}  // namespace
}  // namespace frankierung
