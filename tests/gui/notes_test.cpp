// Note strokes taken back and brought back by their keys: the chart on screen as it was and as a
// fresh paint shows it, and a history that ends wherever the notes go.
#include <QImage>
#include <QMenu>

#include "window.h"

namespace frankierung {
namespace {

struct Board : test::Window {
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
        QCoreApplication::processEvents();
        return chart()->grab(chart()->visibleRegion().boundingRect()).toImage();
    }
    bool enabled(const char* name) const { return get<QAction>(name)->isEnabled(); }
};

const QKeySequence kUndo(Qt::CTRL | Qt::Key_Z), kRedo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
    kRedoToo(Qt::CTRL | Qt::Key_Y);

TEST(Notes, StrokesGoBackAndComeBackOneByOne) {
    Board w;
    std::vector<QImage> images{w.shown()};
    std::vector<std::size_t> sizes{w.drawing().size()};
    // Crossing each other and the rows, so that a careless repaint shows.
    for (const auto& route : {std::initializer_list<QPointF>{{2, 3}, {12, 14}, {20, 6}},
                              {{4, 12}, {16, 2}},
                              {{8, 8}, {30, 16}, {6, 17}}}) {
        w.stroke(route);
        images.push_back(w.shown());
        sizes.push_back(w.drawing().size());
    }
    w.stroke({{25, 18}});  // a click draws nothing and is no stroke
    // keys, the stroke whose state shows after them, Ctrl+Z and Ctrl+Y enabled
    const std::tuple<QKeySequence, std::size_t, bool, bool> steps[] = {
        {kUndo, 2, true, true},    {kUndo, 1, true, true},  {kRedo, 2, true, true},
        {kUndo, 1, true, true},    {kUndo, 0, false, true}, {kUndo, 0, false, true},
        {kRedoToo, 1, true, true}, {kRedo, 2, true, true},  {kRedoToo, 3, true, false},
        {kRedo, 3, true, false},   {kUndo, 2, true, true}};
    for (const auto& [keys, state, undo, redo] : steps) {
        SCOPED_TRACE(keys.toString().toStdString() + " to " + std::to_string(state));
        w.keys(keys);
        EXPECT_EQ(w.drawing().size(), sizes.at(state));
        EXPECT_TRUE(w.shown() == images.at(state));
        w.chart()->setBackgroundColor(w.chart()->backgroundColor());  // painted afresh
        EXPECT_TRUE(w.shown() == images.at(state));
        EXPECT_EQ(std::pair(w.enabled("cmdRueckgaengig"), w.enabled("cmdWiederherstellen")),
                  std::pair(undo, redo));
    }
    w.stroke({{3, 16}, {7, 19}});  // a new stroke leaves nothing to bring back
    EXPECT_FALSE(w.enabled("cmdWiederherstellen"));
    w.keys(kUndo);
    EXPECT_EQ(w.drawing().size(), sizes.at(2));
}

// Whatever removes the notes ends their history; a stroke being drawn is taken back as far as it
// goes; a text box keeps its own Ctrl+Z.
TEST(Notes, TheHistoryEndsWithTheNotes) {
    for (const char* wiper : {"cmdZeichnen", "cmdAlles", "cmdCls", "cmdZeigen", "cmdWie"}) {
        Board w;
        w.stroke({{2, 3}, {12, 14}});
        w.stroke({{4, 12}, {16, 2}});
        w.keys(kUndo);
        w.click(wiper);
        const std::size_t wiped = w.drawing().size();
        EXPECT_FALSE(w.enabled("cmdRueckgaengig") || w.enabled("cmdWiederherstellen")) << wiper;
        w.keys(kUndo);
        w.keys(kRedo);
        EXPECT_EQ(w.drawing().size(), wiped) << wiper;
    }
    Board w;
    const std::size_t clean = w.drawing().size();
    QTest::mousePress(w.chart(), Qt::LeftButton, {}, w.pixel({2, 3}));
    QTest::mouseMove(w.chart(), w.pixel({5, 6}));
    QTest::mouseMove(w.chart(), w.pixel({7, 6}));
    w.keys(kUndo);
    QTest::mouseMove(w.chart(), w.pixel({9, 9}));  // the held button writes no more
    QTest::mouseRelease(w.chart(), Qt::LeftButton, {}, w.pixel({9, 9}));
    EXPECT_EQ(w.drawing().size(), clean);
    w.keys(kRedo);
    EXPECT_EQ(w.drawing().size(), clean + 2);
    w.get("txtMarke(0)")->setFocus();
    QTest::keyClick(w.get("txtMarke(0)"), Qt::Key_7);
    w.keys(kUndo);
    EXPECT_EQ(std::pair(w.text("txtMarke(0)"), w.drawing().size()),
              std::pair(QString("6"), clean + 2));
}

// Items taken back leave the drawing's x index as if they had never been drawn.
TEST(Notes, TakenBackItemsLeaveTheIndex) {
    const auto line = [](double from, double to) {
        DrawingItem item;
        item.p1 = {from, 1};
        item.p2 = {to, 1};
        return item;
    };
    Drawing d;
    for (const auto& [from, to] : {std::pair(1.0, 2.0), {0.0, 20.0}, {0.0, 900.0}}) {
        d.append(line(from, to));  // across several buckets, then too wide for them
    }
    d.truncate(1);
    d.append(line(600, 601));
    d.append(line(700, 701));
    using Indices = std::vector<std::uint32_t>;
    EXPECT_EQ(std::tuple(d.near(10, 20), d.near(0, 5), d.near(600, 700)),
              std::tuple(Indices{}, Indices{0}, Indices{1, 2}));
}

// Saving and printing in their menu, with their keys shown (the notes' keys are pressed above).
TEST(Notes, BoardCommandsInTheMenus) {
    test::Window w;
    QStringList items;
    for (const QAction* a : w.get<QMenu>("mnuDatei")->actions()) {
        items << (a->isSeparator() ? QStringLiteral("-")
                                   : a->objectName() + ": " + a->shortcuts().last().toString());
    }
    EXPECT_EQ(items, QStringList({"cmdTafelSpeichern: Ctrl+S", "cmdTafelDrucken: Ctrl+P", "-",
                                  "cmdArbeitsblatt: Ctrl+B"}));
}

}  // namespace
}  // namespace frankierung
