// The chart's costs that a user feels: a whole run drawn into the chart, repainting the visible
// part of it, and one segment of a freehand note.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>

#include "chartrenderer.h"
#include "picturebox.h"
#include "survey.h"

namespace {

using frankierung::Amount;
using frankierung::PictureBox;

// The chart on a 1920 x 1080 screen: sixteen container widths, behind a window that shows
// about 1160 pixels of it.
struct Screen {
    QWidget window;
    PictureBox* chart = new PictureBox(&window);

    Screen() {
        window.resize(1862, 1000);
        chart->setGeometry(298, 0, 29700, 1000);
        chart->setScaleCorners(-3, 0, 1000, 20);
        chart->setFont(frankierung::chartFont());
        window.show();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
        }
    }
    void run() {
        frankierung::TextBoxes boxes({"6", "10", "15"}, "200");
        frankierung::ChartRenderer renderer(chart->canvas());
        frankierung::Survey().run(boxes, renderer);
    }
};

void BM_RecordRun(benchmark::State& state) {
    Screen screen;
    frankierung::TextBoxes boxes({"6", "10", "15"}, "200");
    frankierung::Survey survey;
    frankierung::ChartRenderer renderer(screen.chart->canvas());
    for (auto _ : state) {
        survey.run(boxes, renderer);
        state.PauseTiming();
        Screen::settle();
        state.ResumeTiming();
    }
    state.counters["primitives"] = static_cast<double>(screen.chart->drawing().size());
}
BENCHMARK(BM_RecordRun)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_PaintVisibleWindow(benchmark::State& state) {
    Screen screen;
    screen.run();
    Screen::settle();
    // Scroll position 0 (the labels, the densest part) and far right.
    const int left = static_cast<int>(state.range(0));
    const QRect area(left, 0, 1160, 1000);
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        screen.chart->render(&image, QPoint(), QRegion(area));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintVisibleWindow)->Arg(0)->Arg(24000)->Unit(benchmark::kMillisecond);

// One mouse move of a note: record the segment and schedule its repaint.
void BM_NoteSegment(benchmark::State& state) {
    Screen screen;
    screen.run();
    Screen::settle();
    frankierung::Canvas notes = screen.chart->newCanvas();
    notes.setPenColor(QColor(0, 0, 128));
    double x = 10;
    for (auto _ : state) {
        notes.line(x, 8, x + 0.05, 8.2);
        x += 0.05;
        if (x > 40) {
            x = 10;
        }
    }
}
BENCHMARK(BM_NoteSegment);

// The same with the repaint carried out, as the event loop does between two moves.
void BM_NoteSegmentPainted(benchmark::State& state) {
    Screen screen;
    screen.run();
    Screen::settle();
    frankierung::Canvas notes = screen.chart->newCanvas();
    notes.setPenColor(QColor(0, 0, 128));
    double x = 10;
    for (auto _ : state) {
        notes.line(x, 8, x + 0.05, 8.2);
        QApplication::processEvents();
        x += 0.05;
        if (x > 40) {
            x = 10;
        }
    }
}
BENCHMARK(BM_NoteSegmentPainted)->Unit(benchmark::kMicrosecond);

}  // namespace
