// "Warum?" in the window: the menu entry and its shortcut, a window that follows every run, the
// picture or the table, and what a screen reader gets. In English: english_test.cpp.
#include <QAccessible>
#include <QStackedWidget>
#include <QTableView>
#include <QTextBrowser>

#include "remainderview.h"
#include "window.h"

namespace frankierung {
namespace {

struct WhyWindow {
    explicit WhyWindow(test::Window& window) : w(window) {}
    QWidget* open() const {
        w.click("cmdWarum");
        return window();
    }
    QWidget* window() const { return w.form.findChild<QWidget*>("frmWarum"); }
    QString argument() const { return w.form.findChild<QTextBrowser*>("txtWarum")->toPlainText(); }
    QString label(const char* name) const { return w.form.findChild<QLabel*>(name)->text(); }
    void run(const QString& a, const QString& b, const QString& c, const QString& amount) const {
        w.setValues({a, b, c}, amount);
        w.click("cmdZeigen");
    }
    test::Window& w;
};

TEST(Why, MenuEntryAndShortcutBringOneWindowToTheFront) {
    test::Window w;
    w.form.activateWindow();
    QTest::keyClick(&w.form, Qt::Key_E, Qt::ControlModifier);
    QWidget* why = WhyWindow(w).window();
    ASSERT_NE(why, nullptr);
    EXPECT_TRUE(why->isVisible());
    // The start-up run: 6, 10, 15 and 200.
    EXPECT_EQ(WhyWindow(w).label("lblUrteil"),
              "200 ist darstellbar, zum Beispiel 200 = 0·6 + 2·10 + 12·15.");

    why->close();
    EXPECT_EQ(WhyWindow(w).open(), why) << "the same window again";
    EXPECT_TRUE(why->isVisible());
    why->move(why->pos() + QPoint(40, 30));
    const QPoint moved = why->pos();
    EXPECT_EQ(WhyWindow(w).open()->pos(), moved) << "placed only the first time";
}

TEST(Why, FollowsEveryRunOpenOrClosed) {
    test::Window w;
    const WhyWindow why(w);
    why.open();
    why.run("6", "10", "15", "29");
    EXPECT_EQ(why.label("lblUrteil"),
              "29 ist nicht darstellbar: 29 hat beim Teilen durch 6 den Rest 5, und der kleinste "
              "Betrag mit Rest 5 ist 35.");
    EXPECT_TRUE(why.label("lblLuecken").endsWith(" 15."));
    EXPECT_EQ(why.window()->windowTitle(), "Warum? – 6, 10, 15");

    // Closed, it still takes every run, and shows the last when it opens.
    why.window()->close();
    why.run("6", "10", "14", "8");
    why.run("6", "10", "14", "1500");
    why.open();
    EXPECT_TRUE(
        why.argument().startsWith("Alle drei Werte sind durch 2 teilbar: nur gerade "
                                  "Beträge"))
        << why.argument().toStdString();

    // The amount as the run found it: typed later, it waits for the next run.
    w.setText("txtPrüf", "9");
    EXPECT_TRUE(why.label("lblUrteil").startsWith("1500 "));
    w.click("cmdWie");
    EXPECT_EQ(why.label("lblUrteil"),
              "9 ist nicht darstellbar: 9 ist nicht durch 2 teilbar, alle drei Werte aber schon.");

    // Refused values leave the last explanation.
    test::MessageAnswerer answer;
    why.run("6", "2.5", "14", "8");
    EXPECT_EQ(answer.seen.size(), 1);
    EXPECT_EQ(why.window()->windowTitle(), "Warum? – 6, 10, 14");
}

TEST(Why, PictureOrTableAndWhatAScreenReaderReads) {
    test::Window w;
    const WhyWindow why(w);
    why.open();
    const auto* overview = w.form.findChild<QStackedWidget*>();
    auto* picture = w.form.findChild<RemainderView*>("picReste");
    auto* table = w.form.findChild<QTableView*>("tblReste");
    why.run("6", "10", "15", "29");
    ASSERT_EQ(overview->currentWidget(), picture);
    ASSERT_TRUE(picture->picture().has_value());
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(picture);
    EXPECT_EQ(reader->text(QAccessible::Name), "Bild der Restklassen");
    EXPECT_EQ(reader->text(QAccessible::Description),
              "Spalten nach dem Rest beim Teilen durch 6, mit dem kleinsten frankierbaren "
              "Betrag: Rest 0: 0; Rest 1: 25 = 1·10 + 1·15; Rest 2: 20 = 2·10; Rest 3: 15 = "
              "1·15; Rest 4: 10 = 1·10; Rest 5: 35 = 2·10 + 1·15. Größte Lücke: 29.");

    // More remainders than the picture has columns for: a table, which screen readers walk.
    why.run("100", "101", "103", "3398");
    ASSERT_EQ(overview->currentWidget(), table);
    ASSERT_EQ(table->model()->rowCount(), 100);
    const QModelIndex last = table->model()->index(98, 2);
    EXPECT_EQ(table->model()->data(last).toString(), "2·101 + 32·103");
    why.run("6", "10", "15", "29");
    EXPECT_EQ(overview->currentWidget(), picture) << "and back";
    EXPECT_EQ(table->model()->rowCount(), 0);
}

}  // namespace
}  // namespace frankierung
