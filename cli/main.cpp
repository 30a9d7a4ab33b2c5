#include <cerrno>
#include <string>
#include <vector>

#include "driver.h"
#include "drivertexts.h"

namespace {

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
    return frankierung::finishProgram(frankierung::runDriver(args, language),
                                      [language](int error) {
                                          return driverText(frankierung::DriverText::WriteFailed,
                                                            language, {reason(error, language)});
                                      });
}
