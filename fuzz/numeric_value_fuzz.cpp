// Any text: reading its number never fails, and its signed text reads back as the same number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numbertext.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double v = frankierung::numericValue(text);
    if (std::isnan(v) || (v == 0.0 && std::signbit(v))) {
        std::abort();
    }
    if (std::isfinite(v) && frankierung::numericValue(frankierung::signedNumberText(v)) != v) {
        std::abort();
    }
    if (const auto whole = frankierung::wholeTextNumber(text); whole && !std::isfinite(*whole)) {
        std::abort();
    }
    (void)frankierung::shortenedForMessage(text);
    return 0;
}
