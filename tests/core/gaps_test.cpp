#include "gaps.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace frankierung {
namespace {

// The amounts 0..kSurveyEnd for which keep() holds.
std::vector<Amount> reachableWhere(const std::function<bool(Amount)>& keep) {
    std::vector<Amount> amounts;
    for (Amount n = 0; n <= kSurveyEnd; ++n) {
        if (keep(n)) {
            amounts.push_back(n);
        }
    }
    return amounts;
}

bool sumOf(Amount n, Amount a, Amount b, Amount c) {
    for (Amount x = 0; x * a <= n; ++x) {
        for (Amount y = 0; x * a + y * b <= n; ++y) {
            if ((n - x * a - y * b) % c == 0) {
                return true;
            }
        }
    }
    return false;
}

struct GapCase {
    const char* name;
    std::function<bool(Amount)> reachable;
    std::string expected;
};

void PrintTo(const GapCase& c, std::ostream* os) {
    *os << c.name;
}

class GapRanges : public ::testing::TestWithParam<GapCase> {};

TEST_P(GapRanges, WritesRunsOfThreeAsRangesAndPairsApart) {
    const auto& c = GetParam();
    EXPECT_EQ(gapRanges(reachableWhere(c.reachable)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GapRanges,
    ::testing::Values(GapCase{"design values", [](Amount n) { return sumOf(n, 6, 10, 15); },
                              "1–5, 7–9, 11, 13, 14, 17, 19, 23, 29"},
                      GapCase{"everything", [](Amount) { return true; }, "keine"},
                      GapCase{"only zero", [](Amount n) { return n == 0; }, "1–1000"},
                      GapCase{"zero missing is no gap", [](Amount n) { return n != 0; }, "keine"},
                      GapCase{"last amount alone", [](Amount n) { return n != 1000; }, "1000"},
                      GapCase{"two at the end", [](Amount n) { return n < 999; }, "999, 1000"},
                      GapCase{"three at the end", [](Amount n) { return n < 998; }, "998–1000"},
                      GapCase{"first amount alone", [](Amount n) { return n != 1; }, "1"}),
    [](const auto& param) {
        std::string name = param.param.name;
        for (char& ch : name) {
            if (ch == ' ') {
                ch = '_';
            }
        }
        return name;
    });

TEST(GapRangesOf, OddAmountsListEachOne) {
    const std::string text = gapRanges(reachableWhere([](Amount n) { return n % 2 == 0; }));
    EXPECT_EQ(text.rfind("1, 3, 5, 7, ", 0), 0U) << text;
    EXPECT_TRUE(text.ends_with(", 997, 999")) << text;
    EXPECT_EQ(text.find("–"), std::string::npos);
}

TEST(GapRangesOf, IgnoresAmountsOutsideTheSurvey) {
    const std::vector<Amount> reachable = {-5, 0, 1, 2, 4, 1001, 5000};
    EXPECT_EQ(gapRanges(reachable), "3, 5–1000");
}

}  // namespace
}  // namespace frankierung
