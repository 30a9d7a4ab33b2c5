// A whole run through the driver on arbitrary texts: it refuses them or writes valid JSON with
// every bound filled, and never crashes or hangs.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Four texts separated by NUL bytes; short texts keep each run fast.
    std::vector<std::string> args{"--json", "--", "", "", "", ""};
    for (std::size_t i = 0, field = 2; i < size && field < args.size(); ++i) {
        if (data[i] == 0) {
            ++field;
        } else if (args[field].size() < 64) {
            args[field] += static_cast<char>(data[i]);
        }
    }
    const auto out = frankierung::runDriver(args);
    if (out.exitCode == 2) {
        return 0;
    }
    if (out.exitCode != 0 ||
        nlohmann::json::parse(out.out).at("StartABC").get<std::string>().empty()) {
        std::abort();
    }
    return 0;
}
