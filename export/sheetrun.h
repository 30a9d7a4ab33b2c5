// The survey run behind a worksheet: the chart it draws, measured as every sheet measures, and
// the facts the sheet states.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "drawing.h"
#include "survey.h"

class QPaintDevice;

namespace frankierung {

// Sheets are laid out in pixels of this resolution, whatever device they go to: a paint device
// must measure in it (pictures say so through dpi()).
inline constexpr int kSheetDpi = 96;

// A device of kSheetDpi to measure texts on, the same on every machine and screen.
[[nodiscard]] const QPaintDevice& sheetMetrics();

struct SheetRun {
    std::optional<StampRefusal> refusal;  // then nothing else was filled in
    std::array<Amount, 3> values{};       // as the run used them
    std::vector<Amount> reachable;        // the row "alle"
    Drawing chart;                        // the whole chart, labels included
};

// One run of the survey for the stamp texts as typed.
[[nodiscard]] SheetRun runForSheet(const std::array<std::string, 3>& stamps);

}  // namespace frankierung
