// The window's worksheet dialog open on 6, 10, 15 at 1920 x 1080: the sheet made anew and the
// preview repainted after a choice, alternately the diagram and the kind of the argument (1 to
// 4), or with a range of its own the range's end alternately 100 and 300 (5). Runs in
// window_bench, whose main makes the application.
#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>

#include "mainwindow.h"
#include "sheetpreview.h"

namespace {

using frankierung::MainWindow;

// The preview's repaints, to show that each change is timed with its repaint.
struct PaintCounter : QObject {
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int count = 0;
};

template <class T>
T* named(const MainWindow& form, const char* name) {
    return form.findChild<T*>(QString::fromUtf8(name));
}

void worksheetPreview(benchmark::State& state) {
    MainWindow form(QRect(0, 0, 1920, 1080));
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    named<QAction>(form, "cmdArbeitsblatt")->trigger();
    QApplication::processEvents();
    auto* kind = named<QComboBox>(form, "cboArt");
    auto* to = named<QSpinBox>(form, "txtBis");
    const auto choice = static_cast<int>(state.range(0));
    named<QCheckBox>(form, "chkBereich")->setChecked(choice == 5);
    PaintCounter paints;
    named<frankierung::SheetPreview>(form, "picVorschau")->column()->installEventFilter(&paints);
    QApplication::processEvents();
    paints.count = 0;
    bool other = false;
    for (auto _ : state) {
        other = !other;
        if (choice == 5) {
            to->setValue(other ? 300 : 100);
        } else {
            kind->setCurrentIndex(other ? choice : 0);
        }
        QApplication::processEvents();
    }
    state.counters["repaints_per_change"] =
        static_cast<double>(paints.count) / static_cast<double>(state.iterations());
}
BENCHMARK(worksheetPreview)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

}  // namespace
