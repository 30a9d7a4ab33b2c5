#include "outcome.h"

#include <cerrno>
#include <cstdio>

namespace frankierung {

namespace {

// Buffered output can fail as late as the final flush: a full disk, a closed descriptor.
bool writeAll(std::FILE* stream, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written && std::ferror(stream) == 0;
}

}  // namespace

int finishProgram(const ProgramOutcome& outcome,
                  const std::function<std::string(int error)>& failed) {
    errno = 0;
    const bool written = writeAll(stdout, outcome.out);
    const int error = errno;
    writeAll(stderr, outcome.err);
    if (!written) {
        writeAll(stderr, failed(error));
        return 1;
    }
    return outcome.exitCode;
}

}  // namespace frankierung
