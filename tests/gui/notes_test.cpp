// Note strokes taken back and brought back by their keys and menu items: the chart on screen as
// it was, as a fresh paint shows it, and a history that ends wherever the notes go.
#include <QImage>
#include <QMenu>

#include "window.h"

namespace frankierung {
namespace {

struct Board : test::Window {
    Board() {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // Pressed at the first point, moved through the others, released at the last.
    void stroke(std::initializer_list<QPointF> route) const {
        QTest::mousePress(chart(), Qt::LeftButton, {}, pixel(*route.begin()));
        for (auto p = route.begin() + 1; p != route.end(); ++p) {
            QTest::mouseMove(chart(), pixel(*p));
        }
        QTest::mouseRelease(chart(), Qt::LeftButton, {}, pixel(*(route.end() - 1)));
    }
    // As typed: to the control with the focus, shortcuts first.
    void keys(const QKeySequence& keys) const { QTest::keySequence(form.windowHandle(), keys); }
    QImage shown() const {
        return chart()->grab(chart()->visibleRegion().boundingRect()).toImage();
    }
    // What the chart shows when nothing kept from before is used.
    QImage freshlyPainted() const {
        chart()->setBackgroundColor(chart()->backgroundColor());
        return shown();
    }
    bool enabled(const char* name) const { return get<QAction>(name)->isEnabled(); }
};

const QKeySequence kUndo(Qt::CTRL | Qt::Key_Z);
const QKeySequence kRedo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
const QKeySequence kRedoToo(Qt::CTRL | Qt::Key_Y);

TEST(Notes, StrokesGoBackAndComeBackOneByOne) {
    Board w;
    QCoreApplication::processEvents();
    std::vector<QImage> images{w.shown()};
    std::vector<std::size_t> sizes{w.drawing().size()};
    EXPECT_FALSE(w.enabled("cmdRueckgaengig") || w.enabled("cmdWiederherstellen"));
    // Crossing each other and the rows, so that a careless repaint shows.
    const std::initializer_list<QPointF> strokes[] = {
        {{2, 3}, {12, 14}, {20, 6}}, {{4, 12}, {16, 2}}, {{8, 8}, {9, 9}, {30, 16}, {6, 17}}};
    for (const auto& route : strokes) {
        w.stroke(route);
        images.push_back(w.shown());
        sizes.push_back(w.drawing().size());
    }
    // A click draws nothing and is no stroke.
    w.stroke({{25, 18}});
    // keys, the stroke whose state shows after them, undo and redo enabled
    const std::tuple<QKeySequence, std::size_t, bool, bool> steps[] = {
        {kUndo, 2, true, true},    {kUndo, 1, true, true},  {kRedo, 2, true, true},
        {kUndo, 1, true, true},    {kUndo, 0, false, true}, {kUndo, 0, false, true},
        {kRedoToo, 1, true, true}, {kRedo, 2, true, true},  {kRedoToo, 3, true, false},
        {kRedo, 3, true, false},   {kUndo, 2, true, true}};
    for (const auto& [keys, state, undo, redo] : steps) {
        SCOPED_TRACE(keys.toString().toStdString() + " to " + std::to_string(state));
        w.keys(keys);
        QCoreApplication::processEvents();
        EXPECT_EQ(w.drawing().size(), sizes.at(state));
        EXPECT_TRUE(w.shown() == images.at(state));
        EXPECT_TRUE(w.freshlyPainted() == images.at(state));
        EXPECT_EQ(std::pair(w.enabled("cmdRueckgaengig"), w.enabled("cmdWiederherstellen")),
                  std::pair(undo, redo));
    }
    // A new stroke after taking back leaves nothing to bring back.
    w.stroke({{3, 16}, {7, 19}});
    w.keys(kRedo);
    EXPECT_FALSE(w.enabled("cmdWiederherstellen"));
    EXPECT_EQ(w.drawing().back().mark, DrawingItem::Mark::Note);
    w.keys(kUndo);
    EXPECT_EQ(w.drawing().size(), sizes.at(2));
    // Drawn again after a change of scale, then taken back: as before the stroke.
    w.form.resize(1024, 768);
    QCoreApplication::processEvents();
    const QImage before = w.shown();
    w.stroke({{5, 5}, {15, 15}});
    w.keys(kUndo);
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.shown() == before);
}

// Whatever removes the notes ends their history; a stroke being drawn is taken back as far as it
// goes; a text box keeps its own Ctrl+Z.
TEST(Notes, TheHistoryEndsWithTheNotes) {
    for (const char* wiper : {"cmdZeichnen", "cmdAlles", "cmdCls", "cmdZeigen", "cmdWie"}) {
        SCOPED_TRACE(wiper);
        Board w;
        w.stroke({{2, 3}, {12, 14}});
        w.stroke({{4, 12}, {16, 2}});
        w.keys(kUndo);
        w.click(wiper);
        const std::size_t wiped = w.drawing().size();
        EXPECT_FALSE(w.enabled("cmdRueckgaengig") || w.enabled("cmdWiederherstellen"));
        w.keys(kUndo);
        w.keys(kRedo);
        EXPECT_EQ(w.drawing().size(), wiped);
    }
    Board w;
    const std::size_t clean = w.drawing().size();
    QTest::mousePress(w.chart(), Qt::LeftButton, {}, w.pixel({2, 3}));
    QTest::mouseMove(w.chart(), w.pixel({5, 6}));
    QTest::mouseMove(w.chart(), w.pixel({7, 6}));
    w.keys(kUndo);
    EXPECT_EQ(w.drawing().size(), clean);
    QTest::mouseMove(w.chart(), w.pixel({9, 9}));  // the held button writes no more
    QTest::mouseRelease(w.chart(), Qt::LeftButton, {}, w.pixel({9, 9}));
    EXPECT_EQ(w.drawing().size(), clean);
    w.keys(kRedo);
    EXPECT_EQ(w.drawing().size(), clean + 2);

    auto* box = w.get<QLineEdit>("txtMarke(0)");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_7);
    w.keys(kUndo);
    EXPECT_EQ(std::pair(w.text("txtMarke(0)"), w.drawing().size()),
              std::pair(QString("6"), clean + 2));
}

// In "Bearbeiten", with their keys shown.
TEST(Notes, CommandsInTheMenu) {
    test::Window w;
    QStringList items;
    for (const QAction* a : w.get<QMenu>("mnuBearbeiten")->actions()) {
        items << a->objectName() + ": " + a->text() + " " +
                     QKeySequence::listToString(a->shortcuts());
    }
    EXPECT_EQ(items,
              QStringList({"cmdRueckgaengig: Notiz zurücknehmen Ctrl+Z",
                           "cmdWiederherstellen: Notiz wiederherstellen Ctrl+Shift+Z; Ctrl+Y"}));
    EXPECT_TRUE(w.get<QMenu>("mnuBearbeiten")->menuAction()->isVisible());
}

}  // namespace
}  // namespace frankierung
