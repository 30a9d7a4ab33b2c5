// The line a pair panel writes into the hint line: divisor, multiple and a bound for all three
// values, computed from the texts of the boxes as they stand.
#pragma once

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

// How the boxes are named in messages, and the label of the bound ("S((AB),C)").
struct PairNames {
    std::string_view first;
    std::string_view second;
    std::string_view third;
    std::string_view bound;
    std::string_view boundLabel;
};

struct PairLine {
    bool ok = false;
    std::string text;  // the line, or a short German message naming the box at fault
};

// "ggT = 2,  kgV = 30,  S((AB),C) = 30". The first value must be a whole number of the pair
// domain; the second is rounded half-to-even first, then must lie in that domain; the third
// value and the bound may be any finite numbers. Each text must be one number as a whole
// (surrounding blanks allowed). The first box at fault, in that order, is named.
[[nodiscard]] PairLine pairInfoLine(const PairTexts& texts, const PairNames& names);

}  // namespace frankierung
