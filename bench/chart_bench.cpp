// The chart's costs that a user feels: a whole run drawn into the chart, repainting the visible
// part of it, and one segment of a freehand note.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QImage>

#include <array>
#include <string>

#include "appsetup.h"
#include "chartrenderer.h"
#include "picturebox.h"
#include "survey.h"

namespace {

using frankierung::Amount;
using frankierung::PictureBox;

class Boxes final : public frankierung::SurveyBoxes {
public:
    [[nodiscard]] std::string stampText(int index) const override {
        return stamps_[static_cast<std::size_t>(index)];
    }
    void setStampText(int index, const std::string& text) override {
        stamps_[static_cast<std::size_t>(index)] = text;
    }
    [[nodiscard]] std::string targetText() const override { return "200"; }

private:
    std::array<std::string, 3> stamps_{"6", "10", "15"};
};

// The chart on a 1920 x 1080 screen: sixteen container widths, behind a window that shows
// about 1160 pixels of it.
struct Screen {
    QWidget window;
    PictureBox* chart = new PictureBox(&window);

    Screen() {
        window.resize(1862, 1000);
        chart->setGeometry(298, 0, 29700, 1000);
        chart->setScaleCorners(-3, 0, 1000, 20);
        chart->setFont(QFont(QStringLiteral("Times New Roman")));
        chart->setFontSize(10);
        window.show();
        settle();
    }
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
        }
    }
    void run() {
        Boxes boxes;
        frankierung::Survey survey;
        frankierung::ChartRenderer renderer(*chart);
        survey.run(boxes, renderer);
    }
};

void BM_RecordRun(benchmark::State& state) {
    Screen screen;
    Boxes boxes;
    frankierung::Survey survey;
    frankierung::ChartRenderer renderer(*screen.chart);
    for (auto _ : state) {
        survey.run(boxes, renderer);
        state.PauseTiming();
        Screen::settle();
        state.ResumeTiming();
    }
    state.counters["primitives"] = static_cast<double>(screen.chart->primitives().size());
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
    state.counters["painted"] = screen.chart->lastPaintCount();
}
BENCHMARK(BM_PaintVisibleWindow)->Arg(0)->Arg(24000)->Unit(benchmark::kMillisecond);

// One mouse move of a note: record the segment and schedule its repaint.
void BM_NoteSegment(benchmark::State& state) {
    Screen screen;
    screen.run();
    Screen::settle();
    screen.chart->setForeColor(QColor(0, 0, 128));
    double x = 10;
    for (auto _ : state) {
        screen.chart->line(x, 8, x + 0.05, 8.2);
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
    screen.chart->setForeColor(QColor(0, 0, 128));
    double x = 10;
    for (auto _ : state) {
        screen.chart->line(x, 8, x + 0.05, 8.2);
        QApplication::processEvents();
        x += 0.05;
        if (x > 40) {
            x = 10;
        }
    }
    state.counters["painted"] = screen.chart->lastPaintCount();
}
BENCHMARK(BM_NoteSegmentPainted)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    frankierung::useOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
