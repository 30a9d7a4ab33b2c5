// What a command-line program has to say and how it ends.
#pragma once

#include <functional>
#include <string>

namespace frankierung {

struct ProgramOutcome {
    int exitCode = 0;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Writes the outcome's texts to standard output and standard error and returns its exit code.
// When standard output does not take them (a full disk, a closed descriptor) it adds
// failed(errno) on standard error and returns 1: a script must not take a lost result, nor a
// lost help text, for a finished run.
[[nodiscard]] int finishProgram(const ProgramOutcome& outcome,
                                const std::function<std::string(int error)>& failed);

}  // namespace frankierung
