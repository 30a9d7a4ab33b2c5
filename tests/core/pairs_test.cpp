#include "pairs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numeric>

namespace frankierung {
namespace {

struct PairCase {
    double a, b;
    std::int64_t g, k, s;
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << c.a << "," << c.b;
}

class PairFunctions : public ::testing::TestWithParam<PairCase> {};

TEST_P(PairFunctions, GiveTrueValuesInEitherOrder) {
    const auto& c = GetParam();
    for (const auto& [a, b] : {std::pair{c.a, c.b}, std::pair{c.b, c.a}}) {
        EXPECT_EQ(ggT(a, b), c.g) << a << ", " << b;
        EXPECT_EQ(kgV(a, b), c.k) << a << ", " << b;
        EXPECT_EQ(stabilAb(a, b), c.s) << a << ", " << b;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, PairFunctions,
    ::testing::Values(PairCase{6, 10, 2, 30, 16}, PairCase{10, 15, 5, 30, 10},
                      PairCase{15, 6, 3, 30, 12}, PairCase{7, 7, 7, 7, 0},
                      PairCase{5, 15, 5, 15, 0}, PairCase{1, 9, 1, 9, 0}, PairCase{0, 9, 9, 0, 0},
                      PairCase{0, 0, 0, 0, 0}, PairCase{32767, 1, 1, 32767, 0},
                      PairCase{2, 32767, 1, 65534, 32766}, PairCase{181, 182, 1, 32942, 32580},
                      PairCase{183, 184, 1, 33672, 33306}, PairCase{200, 201, 1, 40200, 39800},
                      PairCase{200, 300, 100, 600, 200},
                      PairCase{32767, 32766, 1, 1073643522, 1073577990}));

class OutsideDomain : public ::testing::TestWithParam<double> {};

TEST_P(OutsideDomain, IsReportedNotComputed) {
    const double bad = GetParam();
    for (const auto& [a, b] : {std::pair{bad, 10.0}, std::pair{6.0, bad}}) {
        EXPECT_FALSE(ggT(a, b).has_value()) << a << ", " << b;
        EXPECT_FALSE(kgV(a, b).has_value()) << a << ", " << b;
        EXPECT_FALSE(stabilAb(a, b).has_value()) << a << ", " << b;
    }
}

INSTANTIATE_TEST_SUITE_P(Values, OutsideDomain,
                         ::testing::Values(-6.0, -10.0, 6.5, 0.5, 32768.0, 1e300,
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity(),
                                           std::numeric_limits<double>::quiet_NaN()));

// The pair bound is what it claims: every multiple of g from it on is x*a + y*b, and the
// multiple just below it is not.
TEST(PairBound, IsTheLeastBoundForSmallPairs) {
    for (int a = 1; a <= 40; ++a) {
        for (int b = 1; b <= 40; ++b) {
            const auto g = *ggT(a, b);
            const auto s = *stabilAb(a, b);
            std::vector<bool> reach(static_cast<std::size_t>(s + 3 * a * b + 1), false);
            for (std::size_t n = 0; n < reach.size(); ++n) {
                reach[n] = n == 0 || (n >= static_cast<std::size_t>(a) && reach[n - a]) ||
                           (n >= static_cast<std::size_t>(b) && reach[n - b]);
            }
            for (auto n = s; n < static_cast<std::int64_t>(reach.size()); n += g) {
                ASSERT_TRUE(reach[static_cast<std::size_t>(n)]) << a << "," << b << ": " << n;
            }
            if (s > 0) {
                EXPECT_FALSE(reach[static_cast<std::size_t>(s - g)]) << a << "," << b;
            }
        }
    }
}

// Brute force over a long stretch: the largest amount no sum reaches.
std::optional<std::int64_t> bruteLargestGap(int a, int b, int c) {
    if (std::gcd(std::gcd(a, b), c) != 1)
        return std::nullopt;
    const int limit = 2 * std::max({a, b, c}) * std::max({a, b, c}) + 10;
    std::vector<bool> reach(static_cast<std::size_t>(limit), false);
    std::int64_t last = -1;
    for (int n = 0; n < limit; ++n) {
        reach[static_cast<std::size_t>(n)] = n == 0 ||
                                             (n >= a && reach[static_cast<std::size_t>(n - a)]) ||
                                             (n >= b && reach[static_cast<std::size_t>(n - b)]) ||
                                             (n >= c && reach[static_cast<std::size_t>(n - c)]);
        if (!reach[static_cast<std::size_t>(n)])
            last = n;
    }
    return last;
}

TEST(LargestGap, MatchesBruteForce) {
    for (int a = 1; a <= 13; ++a) {
        for (int b = 1; b <= 13; ++b) {
            for (int c = 1; c <= 13; ++c) {
                ASSERT_EQ(largestGap(a, b, c), bruteLargestGap(a, b, c)) << a << b << c;
            }
        }
    }
    for (const auto& [a, b, c] : {std::tuple{6, 10, 15}, std::tuple{44, 45, 46},
                                  std::tuple{100, 101, 103}, std::tuple{37, 91, 60}}) {
        EXPECT_EQ(largestGap(a, b, c), bruteLargestGap(a, b, c)) << a << "," << b << "," << c;
    }
}

TEST(LargestGap, KnownValuesAndRefusals) {
    EXPECT_EQ(largestGap(6, 10, 15), 29);
    EXPECT_EQ(largestGap(1, 32767, 32767), -1);
    EXPECT_EQ(largestGap(2, 4, 6), std::nullopt);
    EXPECT_EQ(largestGap(0, 4, 5), std::nullopt);
    EXPECT_EQ(largestGap(32768, 4, 5), std::nullopt);
    EXPECT_EQ(largestGap(32767, 32766, 32765).value_or(0) > 1000, true);
}

}  // namespace
}  // namespace frankierung
