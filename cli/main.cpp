#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "drivertexts.h"

namespace {

// Buffered output can fail as late as the final flush: a full disk, a closed descriptor.
bool writeAll(std::FILE* stream, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written && std::ferror(stream) == 0;
}

std::string reason(int error, frankierung::Language language) {
    using frankierung::DriverText;
    switch (error) {
        case ENOSPC:
            return driverText(DriverText::NoSpace, language);
        case EBADF:
            return driverText(DriverText::OutputClosed, language);
        default:
            return "";
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto language = frankierung::languageFor(frankierung::uiLanguagesFromEnvironment());
    const auto result = frankierung::runDriver(args, language);
    errno = 0;
    const bool written = writeAll(stdout, result.out);
    const int error = errno;
    writeAll(stderr, result.err);
    if (!written) {
        // A script must not take a lost result for a finished run.
        const std::string message =
            driverText(frankierung::DriverText::WriteFailed, language, {reason(error, language)});
        std::fputs(message.c_str(), stderr);
        return 1;
    }
    return result.exitCode;
}
