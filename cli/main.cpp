#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"

namespace {

// Buffered output can fail as late as the final flush: a full disk, a closed descriptor.
bool writeAll(std::FILE* stream, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written && std::ferror(stream) == 0;
}

std::string reason(int error) {
    switch (error) {
        case ENOSPC:
            return " (kein Platz mehr auf dem Datenträger)";
        case EBADF:
            return " (die Standardausgabe ist geschlossen)";
        default:
            return "";
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto result = frankierung::runDriver(args);
    errno = 0;
    const bool written = writeAll(stdout, result.out);
    const int error = errno;
    writeAll(stderr, result.err);
    if (!written) {
        // A script must not take a lost result for a finished run.
        std::fputs(("frankierung-survey: Die Ausgabe konnte nicht geschrieben werden" +
                    reason(error) + ".\n")
                       .c_str(),
                   stderr);
        return 1;
    }
    return result.exitCode;
}
