// The survey driver: one run of the survey on texts given on the command line.
#pragma once

#include <span>
#include <string>

#include "outcome.h"

namespace frankierung {

// frankierung-survey [--json] [--] A B C [N]; args excludes the program name.
[[nodiscard]] ProgramOutcome runDriver(std::span<const std::string> args);

}  // namespace frankierung
