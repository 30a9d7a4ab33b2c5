// The survey driver: one run of the survey on texts given on the command line.
#pragma once

#include <span>
#include <string>

#include "language.h"
#include "outcome.h"

namespace frankierung {

// frankierung-survey [--json] [--warum] [--] A B C [N]; args excludes the program name. The texts
// for people in the language of the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
[[nodiscard]] ProgramOutcome runDriver(
    std::span<const std::string> args,
    Language language = languageFor(uiLanguagesFromEnvironment()));

}  // namespace frankierung
