// The window from the keyboard: full screen, the menus by Alt and F10, the focus shown on every
// control that takes it, and the hint line following the focus.
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
    void activate() {  // offscreen, a closed popup leaves no window active
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) const {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup != nullptr ? popup : focused(), k, modifiers);
    }
};

// Enter in the boxes runs as the random pupil finds in Session.ARandomPupilKeepsTheWindowSound.
TEST(Keyboard, F11AndEscSwitchFullScreen) {
    KeyboardWindow w;
    const auto* toggle = w.form.findChild<QAction*>("cmdVollbild");
    const QRect normal = w.form.geometry();
    for (const auto& [key, on] : {std::pair(Qt::Key_Escape, false),
                                  {Qt::Key_F11, true},
                                  {Qt::Key_Escape, false},
                                  {Qt::Key_F11, true},
                                  {Qt::Key_F11, false}}) {
        w.key(key);
        QCoreApplication::processEvents();
        EXPECT_EQ(std::tuple(w.form.isFullScreen(), toggle->isChecked(), w.form.geometry()),
                  std::tuple(on, on, on ? w.form.screen()->geometry() : normal));
    }
}

// Alt or F10, the arrow keys and Enter reach the menu items; Esc gives the keys back.
TEST(Keyboard, MenusOpenWithAltAndF10) {
    KeyboardWindow w;
    for (const auto& [key, modifier] :
         {std::pair(Qt::Key_Alt, Qt::AltModifier), {Qt::Key_F10, Qt::NoModifier}}) {
        w.click("cmdZeigen");
        w.activate();
        w.get("txtMarke(0)")->setFocus();
        w.key(key, modifier);
        EXPECT_EQ(w.form.menuBar()->activeAction()->text(), "Programm beenden");
        w.key(Qt::Key_Right);
        w.key(Qt::Key_Down);
        w.key(Qt::Key_Return);  // "Alles", the first item of "Tafel wischen"
        EXPECT_EQ(std::pair(w.drawing().size(), w.focused()), std::pair(0UL, w.get("txtMarke(0)")));
    }
    w.activate();
    w.key(Qt::Key_F10);
    w.key(Qt::Key_Escape);
    EXPECT_EQ(w.focused(), w.get("txtMarke(0)"));
}

// A control's edge as the user sees it: a band three pixels wide along what no other control
// covers, where a focus is drawn.
QImage edge(test::Window& w, const QWidget* control) {
    QCoreApplication::processEvents();
    const QRect part = FocusRing::shownPart(*control);
    QImage seen =
        w.form.grab(QRect(control->mapTo(&w.form, part.topLeft()), part.size())).toImage();
    QPainter(&seen).fillRect(QRect(QPoint(0, 0), part.size()).adjusted(3, 3, -3, -3), Qt::black);
    return seen;
}

// Every control that Tab reaches shows its focus; the ring of those that show none themselves
// waits for the keyboard, as the style's focus frames do, and follows the scrolled chart.
TEST(Keyboard, EveryControlTabReachesShowsItsFocus) {
    const MainWindow unshown;
    EXPECT_FALSE(unshown.findChild<QWidget*>("focusRing")->isVisibleTo(&unshown));
    KeyboardWindow w;
    QWidget* ring = w.get("focusRing");
    QTest::mouseClick(w.chart(), Qt::LeftButton, {}, w.pixel({20, 10}));
    EXPECT_FALSE(ring->isVisible()) << "the mouse gave the focus";
    w.focused()->clearFocus();
    QHash<QWidget*, QImage> unfocused;
    for (QWidget* c : w.form.findChildren<QWidget*>()) {
        if (c->isVisible() && (c->focusPolicy() & Qt::TabFocus) != 0) {
            unfocused.insert(c, edge(w, c));
        }
    }
    for (qsizetype n = 0, controls = unfocused.size(); n < controls; ++n) {
        QTest::keyClick(n == 0 ? static_cast<QWidget*>(&w.form) : w.focused(), Qt::Key_Tab);
        EXPECT_NE(edge(w, w.focused()), unfocused.take(w.focused()))
            << w.focused()->objectName().toStdString();
    }
    EXPECT_TRUE(unfocused.isEmpty());
    w.chart()->setFocus();
    w.get<QScrollBar>("hscn")->setValue(1534);  // the ring stays over the visible strip
    QCoreApplication::processEvents();
    EXPECT_EQ(ring->geometry(), FocusRing::shownPart(*w.chart()));
    w.get("txtMarke(0)")->setFocus();  // shows its own focus
    EXPECT_FALSE(ring->isVisible());
}

// Tab and Backtab explain the control reached, as the mouse does; a click or the program moving
// the focus leaves the line alone.
TEST(Keyboard, TheHintLineFollowsTheKeyboardFocus) {
    KeyboardWindow w;
    w.get("txtMarke(1)")->setFocus();
    QStringList hints;
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab}) {
        w.key(key);
        hints << w.text("txtPos");
    }
    EXPECT_EQ(hints, QStringList({"Wert eingeben", "Graphik aufbauen, Grenzen berechnen",
                                  "ggT = 2,  kgV = 30,  S((AB),C) = 30",
                                  "Graphik aufbauen, Grenzen berechnen"}));
    w.get<QTextEdit>("txtPos")->clear();
    QTest::mouseClick(w.get("txtMarke(0)"), Qt::LeftButton);
    w.get("Picture1(1)")->setFocus();
    EXPECT_EQ(w.text("txtPos"), "");
}

}  // namespace
}  // namespace frankierung
