// The pair panels' line read from the boxes' texts: divisor, multiple and a bound for all three
// values, or the first box at fault (first, second, third value, then the pair's bound); and the
// divisor of all three values as typed, above 1 when no bound exists.
#include "pairinfo.h"

#include <gtest/gtest.h>

#include <string>

namespace frankierung {
namespace {

auto fields(const PairLine& l) {
    return std::tuple(l.fault, l.box, l.text, l.ggT, l.kgV, l.bound, l.ggTAll);
}

TEST(PairInfo, DivisorMultipleAndBoundOrTheFirstBoxAtFault) {
    using enum PairLine::Fault;
    using B = PairBox;
    const std::tuple<const char*, PairTexts, PairLine> rows[] = {
        {"start values", {"6", "10", "15", " 16"}, {None, B::First, "", 2, 30, 30}},
        {"blanks around", {" 15", "6 ", "10", " 12"}, {None, B::First, "", 3, 30, 30}},
        {"largest multiple", {"181", "182", "2", " 32580"}, {None, B::First, "", 1, 32942, 32580}},
        {"negative third, no divisor", {"6", "10", "-4", " 16"}, {None, B::First, "", 2, 30, 11}},
        {"all three even", {"6", "10", "14", " 16"}, {None, B::First, "", 2, 30, 29, 2}},
        {"third not whole", {"6", "10", "2.5", " 16"}, {None, B::First, "", 2, 30, 17.5}},
        {"third beyond exact", {"4", "8", "1e300", "0"}, {None, B::First, "", 4, 8, 3e300}},
        {"a pair of zeros", {"0", "0", "6", "0"}, {None, B::First, "", 0, 0, -5, 6}},
        {"second halved down to even", {"6", "2.5", "3", "0"}, {None, B::First, "", 2, 6, 2}},
        {"second halved up to even", {"6", "3.5", "3", "0"}, {None, B::First, "", 2, 12, 2}},
        {"second halved to zero", {"6", "-0.5", "1", "7"}, {None, B::First, "", 6, 0, 7}},
        {"first not whole", {"0.5", "2.5", "x", "?"}, {NotWhole, B::First, "0.5"}},
        {"first no number", {"12abc", "", "", ""}, {NotANumber, B::First, "12abc"}},
        {"first below zero", {" -6 ", "", "", ""}, {TooSmall, B::First, "-6"}},
        {"first too large", {"32768", "", "", ""}, {TooLarge, B::First, "32768"}},
        {"second empty", {"6", "  ", "15", "0"}, {Empty, B::Second, ""}},
        {"second halved beyond", {"6", "32767.5", "15", "0"}, {TooLarge, B::Second, "32767.5"}},
        {"third no number", {"6", "10", "1 5", "0"}, {NotANumber, B::Third, "1 5"}},
        {"third empty", {"6", "10", "", "0"}, {Empty, B::Third, ""}},
        {"bound not yet there", {"6", "10", "15", "?"}, {NotANumber, B::Bound, "?"}}};
    for (const auto& [name, texts, want] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fields(pairInfoLine(texts)), fields(want));
    }
}

}  // namespace
}  // namespace frankierung
