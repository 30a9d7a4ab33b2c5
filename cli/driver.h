// The survey driver: one run of the survey on texts given on the command line.
#pragma once

#include <span>
#include <string>

namespace frankierung {

struct DriverOutput {
    int exitCode = 0;
    std::string out;  // standard output
    std::string err;  // standard error
};

// frankierung-survey [--json] [--] A B C [N]; args excludes the program name.
[[nodiscard]] DriverOutput runDriver(std::span<const std::string> args);

}  // namespace frankierung
