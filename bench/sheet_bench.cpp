// A worksheet of each kind as a PDF file, from the stamp texts to the file's bytes: what a
// teacher waits for after "Speichern" or on the command line. The aim is at most 1 s each.
#include <benchmark/benchmark.h>

#include "picturewriter.h"
#include "worksheet.h"

namespace {

using frankierung::Worksheet;
using frankierung::WorksheetOptions;

// Range 1: the values, one strip (6, 10, 15) or ten strips on five pages (2, 4, 6, which share
// a divisor and so have no bound).
void BM_SheetAsPdf(benchmark::State& state) {
    const auto kind = frankierung::kSheetKinds.at(static_cast<std::size_t>(state.range(0)));
    const std::array<std::string, 3> stamps = state.range(1) == 0
                                                  ? std::array<std::string, 3>{"6", "10", "15"}
                                                  : std::array<std::string, 3>{"2", "4", "6"};
    std::size_t pages = 0;
    for (auto _ : state) {
        const Worksheet sheet(WorksheetOptions{.stamps = stamps, .kind = kind, .range = {}});
        const QByteArray pdf = encodePicture(sheet, frankierung::PictureFormat::Pdf);
        benchmark::DoNotOptimize(pdf.constData());
        pages = sheet.pageCount();
    }
    state.SetLabel(frankierung::sheetKindName(kind).toStdString());
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_SheetAsPdf)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
