// What a pair panel tells in the hint line: divisor, multiple and a bound for all three values,
// computed from the texts of the boxes as they stand, or which box keeps it from being computed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace frankierung {

// The texts one panel reads: its pair (first, second), the remaining value and the pair bound
// that the last run left in the pair's bound box.
struct PairTexts {
    std::string_view first;
    std::string_view second;
    std::string_view third;
    std::string_view bound;
};

// The boxes a panel reads, in the order they are checked.
enum class PairBox { First, Second, Third, Bound };

struct PairLine {
    enum class Fault { None, Empty, NotANumber, NotWhole, TooSmall, TooLarge, BoundTooLarge };
    Fault fault = Fault::None;
    PairBox box = PairBox::First;  // the box at fault
    std::string text;              // its text, trimmed and shortened for a message
    std::int64_t ggT = 0;
    std::int64_t kgV = 0;
    double bound = 0;  // the bound for all three values
    // The divisor of all three values when the third is a whole number from 1 on, else 1. Above
    // 1 no bound exists: only its multiples can be paid, and the bound above does not hold.
    std::int64_t ggTAll = 1;
};

// ggT and kgV of the pair and a bound for all three values. The first value must be a whole
// number of the pair domain; the second is rounded half-to-even first, then must lie in that
// domain; the third value and the bound may be any finite numbers. Each text must be one number
// as a whole (surrounding blanks allowed). The first box at fault, in that order, is named.
[[nodiscard]] PairLine pairInfoLine(const PairTexts& texts);

}  // namespace frankierung
