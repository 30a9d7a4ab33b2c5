// What a user of the whole window feels: one "zeigen", one repaint of the visible chart at
// 1920 x 1080, a note segment, a drag step, a pair panel, a scroll step, a repaint and a stroke
// taken back after a long lesson of notes, the memory the running window holds, and the time to
// its first chart. The worksheet dialog's cases are in window_bench_worksheet.cpp.
#include <benchmark/benchmark.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>

#include "appstart.h"
#include "mainwindow.h"
#include "picturebox.h"

namespace {

using frankierung::MainWindow;
using frankierung::PictureBox;

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

// The window at 1920 x 1080, started, shown and painted; its controls by their names, used with
// real mouse events.
struct Window {
    MainWindow form{QRect(0, 0, 1920, 1080)};
    Window() {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
    }
    template <class T = QWidget>
    T* get(const char* name) {
        return form.findChild<T*>(QString::fromUtf8(name));
    }
    void setStamps(const char* a, const char* b, const char* c) {
        get<QLineEdit>("txtMarke(0)")->setText(QString::fromUtf8(a));
        get<QLineEdit>("txtMarke(1)")->setText(QString::fromUtf8(b));
        get<QLineEdit>("txtMarke(2)")->setText(QString::fromUtf8(c));
    }
    void click(const char* name) { get<QAbstractButton>(name)->click(); }
    // A point of the chart, in its units, as a pixel of the chart box.
    QPoint pixel(double x, double y) {
        return get<PictureBox>("picGraph")->scale().toPixels({x, y}).toPoint();
    }
    // The mouse on the chart; a move reaches it only where the pointer goes somewhere new.
    void press(double x, double y) {
        QTest::mousePress(get("picGraph"), Qt::LeftButton, {}, pixel(x, y));
    }
    void move(double x, double y) { QTest::mouseMove(get("picGraph"), pixel(x, y)); }
    void release() { QTest::mouseRelease(get("picGraph"), Qt::LeftButton); }
    // A class scribbling for a lesson: zig-zag notes over the whole chart below its rows.
    void scribble(int segments) {
        press(0, 16);
        for (int k = 1; k <= segments; ++k) {
            move(k * 1000.0 / segments, 16 + (k % 7) * 0.5);
            if (k % 500 == 0) {
                QApplication::processEvents();
            }
        }
        release();
        QApplication::processEvents();
    }
};

// Owned by main: built after the benchmark library has read its flags (--help ends the process
// there), destroyed before the application object.
Window* sharedWindow = nullptr;
Window& shared() {
    return *sharedWindow;
}

// "Warum?" open or closed for the runs that follow.
void showWhy(Window& w, bool open) {
    if (open) {
        w.form.findChild<QAction*>(QStringLiteral("cmdWarum"))->trigger();
    } else if (auto* why = w.get("frmWarum")) {
        why->close();
    }
    QApplication::processEvents();
}

// With painted, the repaints the run causes (the chart's, and the explanation's when it is
// open) count too.
void zeigen(benchmark::State& state, const char* a, const char* b, const char* c, bool whyOpen,
            bool painted) {
    Window& w = shared();
    w.setStamps(a, b, c);
    w.get<QLineEdit>("txtPrüf")->setText(QStringLiteral("200"));
    showWhy(w, whyOpen);
    for (auto _ : state) {
        // The repaint of the last run and the log's growth are not this run's cost.
        state.PauseTiming();
        w.click("cmdLoeschen");
        QApplication::processEvents();
        state.ResumeTiming();
        w.click("cmdZeigen");
        if (painted) {
            QApplication::processEvents();
        }
    }
    showWhy(w, false);
}
BENCHMARK_CAPTURE(zeigen, 6_10_15, "6", "10", "15", false, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, 1_32767_32767, "1", "32767", "32767", false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, 32767_32767_32767, "32767", "32767", "32767", false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, 1_2_3, "1", "2", "3", false, false)->Unit(benchmark::kMillisecond);
// "Warum?" open must cost at most a tenth more: 6, 10, 15 is the run a lesson repeats most,
// 32765, 32766, 32767 the one with the most remainders (a table of 32765 rows).
BENCHMARK_CAPTURE(zeigen, why_closed_painted_6_10_15, "6", "10", "15", false, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, why_open_6_10_15, "6", "10", "15", true, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, why_open_painted_6_10_15, "6", "10", "15", true, true)
    ->Unit(benchmark::kMillisecond);
// A lesson trying values: C alternates between 15 and 14, so that the explanation is made and
// painted anew every time; the repaints count.
void zeigenNewValues(benchmark::State& state, bool whyOpen) {
    Window& w = shared();
    w.setStamps("6", "10", "15");
    w.get<QLineEdit>("txtPrüf")->setText(QStringLiteral("29"));
    showWhy(w, whyOpen);
    bool even = false;
    for (auto _ : state) {
        state.PauseTiming();
        w.click("cmdLoeschen");
        even = !even;
        w.get<QLineEdit>("txtMarke(2)")
            ->setText(even ? QStringLiteral("14") : QStringLiteral("15"));
        QApplication::processEvents();
        state.ResumeTiming();
        w.click("cmdZeigen");
        QApplication::processEvents();
    }
    showWhy(w, false);
}
BENCHMARK_CAPTURE(zeigenNewValues, why_closed, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigenNewValues, why_open, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, why_closed_32765_32766_32767, "32765", "32766", "32767", false, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(zeigen, why_open_32765_32766_32767, "32765", "32766", "32767", true, false)
    ->Unit(benchmark::kMillisecond);

// The part of the chart that is not covered: between the legend and the right-hand column.
void paintVisible(benchmark::State& state, Window& w) {
    QWidget* chart = w.get("picGraph");
    const QRect visible = chart->visibleRegion().boundingRect();
    QImage image(visible.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        chart->render(&painter, QPoint(), QRegion(visible), QWidget::DrawWindowBackground);
    }
    state.counters["width_px"] = visible.width();
}

void paintVisibleChart(benchmark::State& state) {
    Window& w = shared();
    w.setStamps("6", "10", "15");
    w.click("cmdZeigen");
    paintVisible(state, w);
}
BENCHMARK(paintVisibleChart)->Unit(benchmark::kMillisecond);

// One mouse move while a note is drawn: the segment and the repaint of what it touched.
void noteSegment(benchmark::State& state) {
    Window& w = shared();
    w.press(5, 14);
    double x = 5;
    for (auto _ : state) {
        x = x < 30 ? x + 0.25 : 5;
        w.move(x, 14 + 0.5 * std::sin(x));
        QApplication::processEvents();
    }
    w.release();
}
BENCHMARK(noteSegment)->Unit(benchmark::kMicrosecond);

// One step of dragging a stamp along the chart: its value, its picture, and the repaint. Leftwards,
// so that the pointer is over the free chart, not over the stamp that follows it.
void dragStep(benchmark::State& state) {
    Window& w = shared();
    QWidget* stamp = w.get("Picture1(1)");
    QWidget* chart = w.get("picGraph");
    QTest::mousePress(stamp, Qt::LeftButton, {}, QPoint(5, 5));
    double x = 30;
    for (auto _ : state) {
        x = x > 5 ? x - 0.25 : 30;
        QTest::mouseMove(stamp, stamp->mapFrom(chart, w.pixel(x, 3)));
        QApplication::processEvents();
    }
    QTest::mouseRelease(stamp, Qt::LeftButton);
}
BENCHMARK(dragStep)->Unit(benchmark::kMicrosecond);

// One mouse move over a pair panel: divisor, multiple and bound into the hint line.
void pairPanelHover(benchmark::State& state) {
    Window& w = shared();
    w.setStamps("32767", "32766", "15");
    QWidget* panel = w.get("picAB");
    int k = 0;
    for (auto _ : state) {
        QTest::mouseMove(panel, QPoint(5 + ++k % 2, 5));
    }
    w.setStamps("6", "10", "15");
}
BENCHMARK(pairPanelHover)->Unit(benchmark::kMicrosecond);

// A long lesson: on a clean chart (0) and after 50,000 note segments (1), one click on the
// scroll bar's arrow with its repaint, and one paint of the visible chart.
std::unique_ptr<Window> lessonWindows[2];
Window& lesson(int notes) {
    if (!lessonWindows[notes]) {
        lessonWindows[notes] = std::make_unique<Window>();
        lessonWindows[notes]->scribble(notes * 50000);
    }
    return *lessonWindows[notes];
}

void lessonScrollStep(benchmark::State& state) {
    Window& w = lesson(static_cast<int>(state.range(0)));
    auto* scroll = w.get<QScrollBar>("hscn");
    for (auto _ : state) {
        scroll->triggerAction(scroll->value() < 1500 ? QAbstractSlider::SliderSingleStepAdd
                                                     : QAbstractSlider::SliderToMinimum);
        QApplication::processEvents();
    }
}
BENCHMARK(lessonScrollStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void lessonPaintVisible(benchmark::State& state) {
    paintVisible(state, lesson(static_cast<int>(state.range(0))));
}
BENCHMARK(lessonPaintVisible)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Ctrl+Z on a long lesson with its repaint: a short stroke in view (0), or the lesson's whole
// stroke of 50,000 segments (1), brought back untimed for the next round.
void lessonTakeBack(benchmark::State& state) {
    Window& w = lesson(1);
    auto* takeBack = w.get<QAction>("cmdRueckgaengig");
    auto* bringBack = w.get<QAction>("cmdWiederherstellen");
    w.get<QScrollBar>("hscn")->setValue(0);
    QApplication::processEvents();
    const bool whole = state.range(0) == 1;
    for (auto _ : state) {
        state.PauseTiming();
        if (whole) {
            bringBack->trigger();
        } else {
            w.press(5, 3);
            for (int k = 1; k <= 40; ++k) {
                w.move(5 + k * 0.5, 3 + (k % 5) * 0.2);
            }
            w.release();
        }
        QApplication::processEvents();
        state.ResumeTiming();
        takeBack->trigger();
        QApplication::processEvents();
    }
    if (whole) {
        bringBack->trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(lessonTakeBack)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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
    for (auto& w : lessonWindows) {
        w.reset();
    }
    sharedWindow = nullptr;
    return 0;
}
