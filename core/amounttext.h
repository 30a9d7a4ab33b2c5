// An amount typed as text, read exactly: amounts far beyond what a double holds exactly are
// checked as whole numbers, not as rounded approximations.
#pragma once

#include <cstdint>
#include <string_view>

namespace frankierung {

struct AmountReading {
    enum class Fault { None, Empty, NotANumber, NotWhole, Negative, TooLarge };
    Fault fault = Fault::None;
    std::int64_t value = 0;  // with Fault::None
};

// The whole text, apart from surrounding blanks, as one decimal number in the grammar of
// wholeTextNumber ("29", "+29", "2.9e1", "1500.0"); it must be a whole number from 0 to the
// largest 64-bit value. "-0" is 0.
[[nodiscard]] AmountReading readAmount(std::string_view text);

}  // namespace frankierung
