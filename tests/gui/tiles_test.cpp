// A picture box paints from kept tiles and finds its items by an x index; what the screen shows
// must still be what a fresh paint of the whole drawing shows.
#include <QPainter>
#include <QScreen>

#include "paint.h"
#include "window.h"

namespace frankierung {
namespace {

// The oracle: the drawing painted afresh, every item walked rather than found by the x index.
QImage freshPaint(const PictureBox& box) {
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(box.backgroundColor());
    QPainter painter(&image);
    painter.setClipRect(box.innerRect());
    int n = 0;
    paint(painter, box.drawing().filtered([&](const DrawingItem&) { return n++ == 0; }),
          box.scale(), box.innerRect());
    paint(painter, box.drawing(), box.scale(), box.innerRect(), 1);
    return image;
}

TEST(Tiles, TheScreenShowsAFreshPaintOfTheDrawing) {
    QWidget window;  // shows a part of a wider box, as the chart's container does
    window.resize(700, 300);
    PictureBox box(&window);
    box.setGeometry(0, 0, 1800, 300);
    box.setScaleCorners(-3, 0, 97, 20);
    const auto draw = [&](Canvas& c, double from, double to) {
        for (int n = 0; from + 0.7 * n < to; ++n) {
            const double x = from + 0.7 * n;
            c.box(x, 5, x + 0.5, 6 + std::fmod(x, 3), Qt::darkCyan);
            c.circle(x + 0.3, 9, 0.4);
            c.line(x, 12, x + 1.3, 15);
            c.print({PrintItem::number(x)});
        }
    };
    box.canvas().setPenWidth(2);  // as the chart's circles: a 1-px slope may shade a seam apart
    draw(box.canvas(), 20, 97);   // the notes come left of it: the index grows to the left
    box.canvas().line(-1e9, 2, 1e9, 2);  // wider than the index keeps by place
    Canvas notes = box.newCanvas();
    notes.setPenColor(Qt::blue);
    notes.setPenWidth(3);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"first shown", [] {}},
        {"notes", [&] { draw(notes, 10, 20); }},
        {"scrolled away", [&] { box.move(-1100, 0); }},
        {"notes out of sight", [&] { draw(notes, -3, 30); }},
        {"scrolled back", [&] { box.move(0, 0); }},
        {"resized", [&] { box.resize(1500, 260); }},
        {"sunken border", [&] { box.setSunkenBorder(true); }},
        {"new scale", [&] { box.setScaleCorners(-5, 0, 60, 20); }},
        {"cleared", [&] { box.canvas().clear(); }},
        {"drawn anew", [&] { draw(box.canvas(), 40, 50); }}};
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        QCoreApplication::processEvents();
        const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
        const QRect shown = box.geometry() & window.rect() & box.innerRect().translated(box.pos());
        ASSERT_EQ(screen.copy(shown).convertToFormat(QImage::Format_RGB32),
                  freshPaint(box).copy(shown.translated(-box.pos())));
    }
}

}  // namespace
}  // namespace frankierung
