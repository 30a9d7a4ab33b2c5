// What a user of the whole window feels: one "zeigen", one repaint of the visible chart at
// 1920 x 1080, the memory the running window holds, and the time to its first painted chart.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <fstream>
#include <sstream>

#include "appsetup.h"
#include "form1.h"

namespace {

using frankierung::Form1;

// Seconds since this process started, from the kernel's own record (10 ms resolution).
double secondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22)
            startTicks = std::stoull(field);
    }
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    return uptime - static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return 0;
}

struct Window {
    Form1 form;
    explicit Window(QSize size = {1920, 1080}) {
        form.setGeometry(QRect(QPoint(0, 0), size));
        form.Form_Load();
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
    }
};

// Owned by main: built after the benchmark library has read its flags (--help ends the process
// there), destroyed before the application object.
Window* sharedWindow = nullptr;
Window& shared() {
    return *sharedWindow;
}

void zeigen(benchmark::State& state, const char* a, const char* b, const char* c) {
    Window& w = shared();
    for (std::size_t i = 0; i < 3; ++i) {
        w.form.txtMarke[i]->setText(QString::fromUtf8(std::array{a, b, c}[i]));
    }
    w.form.txtPruef->setText(QStringLiteral("200"));
    for (auto _ : state) {
        // The repaint of the last run and the log's growth are not this run's cost.
        state.PauseTiming();
        w.form.txtLog->setPlainText(QStringLiteral("\n"));
        QApplication::processEvents();
        state.ResumeTiming();
        w.form.cmdZeigen_Click();
    }
}
BENCHMARK_CAPTURE(zeigen, 6_10_15, "6", "10", "15")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, 1_32767_32767, "1", "32767", "32767")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, 32767_32767_32767, "32767", "32767", "32767")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, 1_2_3, "1", "2", "3")->Unit(benchmark::kMillisecond);

// The part of the chart that is not covered: between the legend and the right-hand column.
void paintVisibleChart(benchmark::State& state) {
    Window& w = shared();
    for (std::size_t i = 0; i < 3; ++i) {
        w.form.txtMarke[i]->setText(QString::number(std::array{6, 10, 15}[i]));
    }
    w.form.cmdZeigen_Click();
    const QRect visible = w.form.picGraph->visibleRegion().boundingRect();
    QImage image(visible.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        w.form.picGraph->render(&painter, QPoint(), QRegion(visible),
                                QWidget::DrawWindowBackground);
    }
    state.counters["width_px"] = visible.width();
    state.counters["height_px"] = visible.height();
}
BENCHMARK(paintVisibleChart)->Unit(benchmark::kMillisecond);

// One mouse move while a note is drawn: the handler and the repaint of what it touched.
void noteSegment(benchmark::State& state) {
    Window& w = shared();
    w.form.picGraph_MouseDown(5.0F, 14.0F);
    float x = 5.0F;
    for (auto _ : state) {
        x = x < 30.0F ? x + 0.25F : 5.0F;
        w.form.picGraph_MouseMove(x, 14.0F + 0.5F * std::sin(x));
        QApplication::processEvents();
    }
    w.form.picGraph_MouseUp();
}
BENCHMARK(noteSegment)->Unit(benchmark::kMicrosecond);

// One step of dragging a stamp along the chart: its value, its picture, and the repaint.
void dragStep(benchmark::State& state) {
    Window& w = shared();
    float x = 5.0F;
    for (auto _ : state) {
        x = x < 30.0F ? x + 0.25F : 5.0F;
        w.form.picGraph_DragOver(1, x, 3.0F);
        QApplication::processEvents();
    }
}
BENCHMARK(dragStep)->Unit(benchmark::kMicrosecond);

// One mouse move over a pair panel: divisor, multiple and bound into the hint line.
void pairPanelHover(benchmark::State& state) {
    Window& w = shared();
    w.form.txtMarke[0]->setText(QStringLiteral("32767"));
    w.form.txtMarke[1]->setText(QStringLiteral("32766"));
    for (auto _ : state) {
        w.form.picAB_MouseMove();
    }
    w.form.txtMarke[0]->setText(QStringLiteral("6"));
    w.form.txtMarke[1]->setText(QStringLiteral("10"));
}
BENCHMARK(pairPanelHover)->Unit(benchmark::kMicrosecond);

void peakMemory(benchmark::State& state) {
    shared();
    for (auto _ : state) {
        benchmark::DoNotOptimize(peakMegabytes());
    }
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(peakMemory)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    ::benchmark::Initialize(&argc, argv);
    frankierung::useOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    frankierung::setUpDesignLook();
    // Process start to the first painted window, as the program itself starts.
    QElapsedTimer timer;
    timer.start();
    Window window;
    sharedWindow = &window;
    QImage first(window.form.size(), QImage::Format_ARGB32_Premultiplied);
    window.form.render(&first);
    const double startMs = secondsSinceProcessStart() * 1000.0;
    std::printf(
        "start-up: %.0f ms from process start to the first painted window "
        "(window built, run, shown and painted in %lld ms)\n",
        startMs, static_cast<long long>(timer.elapsed()));
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    sharedWindow = nullptr;
    return 0;
}
