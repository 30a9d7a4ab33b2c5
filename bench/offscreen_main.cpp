// The start of the benchmarks that paint without a window: offscreen unless a display is named.
#include <benchmark/benchmark.h>
#include <QApplication>

#include "appstart.h"

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
