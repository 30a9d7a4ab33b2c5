// What a command-line program has to say and how it ends.
#pragma once

#include <string>

namespace frankierung {

struct ProgramOutcome {
    int exitCode = 0;
    std::string out;  // standard output
    std::string err;  // standard error
};

}  // namespace frankierung
