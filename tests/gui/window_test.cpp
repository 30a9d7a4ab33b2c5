// The window after start-up, as designed and arranged, how it follows its size, and what a
// screen reader learns of it.
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <memory>

#include "window.h"

namespace frankierung {
namespace {

TEST(StartUp, FirstIdleState) {
    test::Window w;
    // The start-up run (its values show in the log; the boxes and panels as the random pupil
    // reads them), its bounds, and no hint yet.
    EXPECT_EQ(w.text("txtLog"), ".\n" + test::logOfRun("6", "10", "15", "200"));
    EXPECT_EQ(w.texts({"StartAB", "StartBC", "StartCA", "StartABC", "txtPos"}),
              QStringList({" 16", " 10", " 12", "30", ""}));
    EXPECT_EQ(w.form.objectName() + ": " + w.form.windowTitle(),
              "Form1: Frankierungsproblem mit 3 Marken:     N = xA + yB + zC");

    // How to read the rows and to start, below them; the next run erases it.
    EXPECT_TRUE(w.drawing().back().text.startsWith("Bedienung: "));
    EXPECT_TRUE(w.text("picGraph").contains("Untere Zeile"));
    w.click("cmdZeigen");
    EXPECT_FALSE(w.text("picGraph").contains("Zeile"));
}

TEST(StartUp, FocusAndScreenReaders) {
    test::Window w;
    // Tab runs C, B, A; the boxes without a tab stop still take the caret on a click.
    w.get("txtMarke(2)")->setFocus();
    QStringList stops;
    for (int n = 0; n < 40; ++n) {
        stops << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(stops.mid(0, 4),
              QStringList({"txtMarke(2)", "txtMarke(1)", "txtMarke(0)", "cmdZeigen"}));
    for (const char* box : {"txtPos", "txtN", "txtPrüf", "txtLog"}) {
        EXPECT_FALSE(stops.contains(box)) << box;
        auto* edit = w.form.findChild<QTextEdit*>(box);
        QTest::mouseClick(edit != nullptr ? edit->viewport() : w.get(box), Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), box);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // the log passes Tab on
    EXPECT_NE(QApplication::focusWidget()->objectName(), "txtLog");
    // Descriptions carry tooltip and hint; the chart's tells what the latest run found (at
    // start-up: tests/atspi).
    EXPECT_EQ(w.get("txtMarke(1)")->accessibleDescription(), "Markenwert eingeben. Wert eingeben");
    w.setText("txtMarke(0)", "20");
    w.click("cmdZeigen");
    EXPECT_TRUE(w.chart()->accessibleDescription().contains(
        "Stabil ab: A, B 0; B, C 10; C, A 30. Keine Grenze bis 1000 sicher, ab der jede Zahl mit "
        "allen drei Werten darstellbar ist. Nicht darstellbar bis 1000: 1–9, 11–14"));
}

// Qt's own menus speak German, and the number boxes refuse runaway input.
TEST(StartUp, GermanQtTextsAndShortNumbers) {
    test::Window w;
    const std::unique_ptr<QMenu> menu(w.get<QLineEdit>("txtMarke(0)")->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().remove('&').section('\t', 0, 0);
    }
    EXPECT_TRUE(texts.contains("Rückgängig") && texts.contains("Alles auswählen"))
        << texts.join(',').toStdString();
    for (const char* box : {"txtMarke(0)", "txtMarke(1)", "txtMarke(2)", "txtPrüf"}) {
        w.get<QLineEdit>(box)->insert(QString(10000, '7'));
        EXPECT_EQ(w.text(box).size(), 64) << box;
    }
}

// On a small screen, or shrunk below the minimum, every control stays whole in its container and
// every caption fits, in type no smaller than 7 points. The notes end before the log. Run in
// English too (CMakeLists.txt): its captions are longer.
TEST(Arrangement, SmallScreensShowEveryControlWhole) {
    const QSize least(kMinimumWindowWidth, kMinimumWindowHeight);
    for (const auto& [start, now] : {std::pair(QSize(1280, 1024), QSize(1280, 1024)),
                                     {QSize(1024, 768), QSize(1024, 768)},
                                     {QSize(1280, 1024), QSize(640, 480)},
                                     {least, least}}) {
        SCOPED_TRACE(QString("%1x%2").arg(now.width()).arg(now.height()).toStdString());
        test::Window w(start);
        w.form.resize(now);
        QCoreApplication::processEvents();
        for (const QWidget* c : w.get("picContainer")->findChildren<QWidget*>()) {
            for (const QWidget* a = c;
                 c->isVisible() && !w.chart()->isAncestorOf(c) && a != &w.form;
                 a = a->parentWidget()) {
                EXPECT_TRUE(a->parentWidget()->rect().contains(a->geometry()))
                    << c->objectName().toStdString();
            }
        }
        for (const QWidget* c : w.form.findChildren<QWidget*>()) {
            const bool lines = c->inherits("QLineEdit") || c->inherits("QTextEdit");
            if (!c->isVisible() || c->objectName().isEmpty() ||
                !(lines || c->inherits("QLabel") || c->inherits("QAbstractButton"))) {
                continue;
            }
            const QString text = w.text(c->objectName());
            const std::string name = c->objectName().toStdString();
            // Within the frame; a box shows whole lines of any text, a label or button its glyphs.
            const int frame = c->inherits("QLabel") ? 0 : 2;
            const QFontMetrics m = c->fontMetrics();
            EXPECT_TRUE(text.contains('\n') ||
                        (m.horizontalAdvance(text) <= c->contentsRect().width() - frame &&
                         (lines ? m.height() : m.tightBoundingRect(text).height()) <=
                             c->contentsRect().height()))
                << name;
            EXPECT_GE(c->font().pointSizeF(), 7) << name;
        }
        for (auto it = w.drawing().end() - 4; start == now && it != w.drawing().end(); ++it) {
            EXPECT_LE(w.chart()->scale().toPixels(it->p1).x() + it->textSize.width(),
                      w.get("txtLog")->x() - w.chart()->x());
        }
    }
}

// However little room the window's frame leaves it, the container stays in the client area.
TEST(Arrangement, ContainerStaysInTheClientArea) {
    for (const SizeTwips client : {SizeTwips{9000, 6000}, {900, 600}}) {
        const UnitRect c = arrange({15360, 11520}, client).container;
        EXPECT_TRUE(c.width >= 0 && c.height >= 0 && c.left + c.width <= client.width &&
                    c.top + c.height <= client.height);
    }
}

TEST(Arrangement, ResizeKeepsTheScrolledChartAndTheStamps) {
    test::Window w({1024, 768});
    auto* container = w.get<PictureBox>("picContainer");
    w.get<QScrollBar>("hscn")->setValue(500);
    w.setText("txtMarke(1)", "33");
    const QPointF stamp = w.stamp(1);
    for (const QSize size :
         {QSize(1280, 1024), QSize(kMinimumWindowWidth, kMinimumWindowHeight), QSize(1920, 1080)}) {
        w.form.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(container->childRect(w.chart()).x(), -484);
        EXPECT_EQ(w.stamp(1), stamp);
        EXPECT_TRUE(w.form.centralWidget()->rect().contains(container->geometry()));
    }
}

// Without a window manager too, the window covers the screen's free area.
TEST(Arrangement, ShownItCoversTheScreen) {
    MainWindow form;
    showCoveringScreen(form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(availableScreenArea().contains(form.geometry()));
    EXPECT_GE(form.width(), availableScreenArea().width() - 8);
}

}  // namespace
}  // namespace frankierung
