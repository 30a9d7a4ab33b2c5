// The export tool's command line: its options, their checks, and the run that follows.
#pragma once

#include <span>
#include <string>

#include "outcome.h"

namespace frankierung {

// The arguments without the program name. Needs a QApplication. Exit codes: 0 written,
// 1 bad arguments or not writable, 2 stamp values refused.
[[nodiscard]] ProgramOutcome runChartExport(std::span<const std::string> args);

}  // namespace frankierung
