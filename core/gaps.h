// The amounts a run leaves unreachable, written as ranges for people to read.
#pragma once

#include <span>
#include <string>

#include "survey.h"

namespace frankierung {

// "1–5, 7–9, 11, 13, 14": the amounts 1..kSurveyEnd missing from reachable, a run of three or
// more joined by an en dash, a run of two written out; empty when none is missing.
// Amounts outside 0..kSurveyEnd in reachable are ignored.
[[nodiscard]] std::string gapRanges(std::span<const Amount> reachable);

}  // namespace frankierung
