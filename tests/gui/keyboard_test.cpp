// The window from the keyboard: Enter in the boxes, full screen, the menus by Alt and F10.
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

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

}  // namespace
}  // namespace frankierung
