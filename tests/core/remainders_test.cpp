// The remainder classes against brute force over small and large values, with and without a
// common divisor; exact reading of amount texts.
#include <gtest/gtest.h>

#include <limits>
#include <numeric>
#include <optional>
#include <random>

#include "amounttext.h"
#include "reachable.h"
#include "remainders.h"

namespace frankierung {
namespace {

using Values = std::array<std::int64_t, 3>;

// The sum of the stamps, none when it leaves 64 bits; no count may be negative.
std::optional<std::int64_t> sumOf(const StampCounts& counts, const Values& v) {
    std::int64_t sum = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        std::int64_t term = 0;
        if (counts[k] < 0 || __builtin_mul_overflow(counts[k], v[k], &term) ||
            __builtin_add_overflow(sum, term, &sum)) {
            return std::nullopt;
        }
    }
    return sum;
}

// Every fact the classes state, checked against the payable amounts up to a bound that lies
// beyond the largest gap by more than the smallest value.
void checkAgainstBruteForce(const Values& v) {
    SCOPED_TRACE(testing::Message() << v[0] << ", " << v[1] << ", " << v[2]);
    const auto classes = RemainderClasses::of(v);
    ASSERT_TRUE(classes);
    const std::int64_t g = std::gcd(std::gcd(v[0], v[1]), v[2]);
    const std::int64_t step = std::min({v[0], v[1], v[2]});
    ASSERT_EQ(classes->ggT(), g);
    ASSERT_EQ(classes->classes().size(), static_cast<std::size_t>(step / g));
    const std::int64_t limit = classes->highest().smallest + 2 * step;
    const std::vector<bool> can = test::reachable(v, limit);
    std::int64_t gaps = 0;
    std::int64_t largest = -1;
    for (std::int64_t n = 0; n <= limit; n += g) {
        if (!can[static_cast<std::size_t>(n)]) {
            ++gaps;
            largest = n;
        }
    }
    for (std::size_t k = 0; k < classes->classes().size(); ++k) {
        const RemainderClass& c = classes->classes()[k];
        ASSERT_EQ(c.remainder, static_cast<std::int64_t>(k) * g);
        ASSERT_EQ(c.smallest % step, c.remainder);
        ASSERT_TRUE(can[static_cast<std::size_t>(c.smallest)]) << c.remainder;
        ASSERT_EQ(sumOf(c.counts, v), c.smallest);
        for (std::int64_t below = c.smallest - step; below >= 0; below -= step) {
            ASSERT_FALSE(can[static_cast<std::size_t>(below)]) << below;
        }
    }
    EXPECT_EQ(classes->gapCount(), gaps);
    EXPECT_EQ(classes->largestGap().value_or(-1), largest);
    EXPECT_EQ(classes->runStart(), largest < 0 ? 0 : largest + g);
    for (std::int64_t n = 0; n <= limit; ++n) {
        const Verdict verdict = classes->verdict(n);
        ASSERT_EQ(verdict.kind == Verdict::Kind::Payable, bool(can[static_cast<std::size_t>(n)]))
            << n;
        ASSERT_EQ(verdict.kind == Verdict::Kind::NotMultiple, n % g != 0) << n;
        if (verdict.kind == Verdict::Kind::Payable) {
            ASSERT_EQ(sumOf(verdict.counts, v), n);
        } else if (verdict.kind == Verdict::Kind::NotPayable) {
            ASSERT_EQ(verdict.remainder, n % step);
            ASSERT_GT(verdict.smallest, n);
        }
    }
}

TEST(Remainders, AgainstBruteForce) {
    std::mt19937 rng(16);
    const struct {
        const char* name;
        std::int64_t smallestMax, largeMax, divisorMax;
    } kinds[] = {
        {"small values", 40, 40, 1},
        {"small values with a common divisor", 15, 15, 6},
        {"a small value and large ones", 60, 32767, 1},
        {"a small value and large ones with a common divisor", 12, 5000, 5},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.name);
        for (int round = 0; round < 60; ++round) {
            const std::int64_t g =
                std::uniform_int_distribution<std::int64_t>(1, kind.divisorMax)(rng);
            const std::int64_t smallest =
                std::uniform_int_distribution<std::int64_t>(1, kind.smallestMax)(rng);
            std::uniform_int_distribution<std::int64_t> large(smallest, kind.largeMax);
            Values v{smallest * g, large(rng) * g, large(rng) * g};
            std::shuffle(v.begin(), v.end(), rng);
            checkAgainstBruteForce(v);
        }
    }
}

TEST(Remainders, EdgesOfTheDomain) {
    const auto widest = RemainderClasses::of({32767, 32766, 32765});
    EXPECT_EQ(widest->classes().size(), 32765U);
    // The pair (32765, 32766) alone leaves 32764 · 32765 - 1; the third value only helps.
    EXPECT_LT(widest->largestGap().value_or(0), 32764LL * 32765);
    EXPECT_GT(widest->largestGap().value_or(0), 536000000);
    for (const Values bad : {Values{0, 4, 5}, Values{4, 32768, 5}, Values{4, 5, -6}}) {
        EXPECT_FALSE(RemainderClasses::of(bad)) << bad[0] << "," << bad[1] << "," << bad[2];
    }
}

TEST(Remainders, VerdictsOnHugeAmountsSumExactly) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    for (const Values v : {Values{6, 10, 15}, Values{32767, 32766, 32765}, Values{2, 4, 6},
                           Values{32767, 32767, 32767}}) {
        const auto classes = RemainderClasses::of(v);
        for (std::int64_t n = kLargest; n > kLargest - 50; --n) {
            const Verdict verdict = classes->verdict(n);
            if (verdict.kind == Verdict::Kind::Payable) {
                ASSERT_EQ(sumOf(verdict.counts, v), n) << v[0] << " " << n;
            } else {
                ASSERT_EQ(verdict.kind, Verdict::Kind::NotMultiple) << v[0] << " " << n;
            }
        }
    }
}

TEST(AmountText, ReadExactly) {
    using Fault = AmountReading::Fault;
    const struct {
        const char* name;
        const char* text;
        Fault fault;
        std::int64_t value;
    } rows[] = {
        {"blanks and sign", "  +1500 ", Fault::None, 1500},
        {"a point and zeros", "1500.000", Fault::None, 1500},
        {"an exponent", "2.9e1", Fault::None, 29},
        {"negative zero", "-0.0", Fault::None, 0},
        {"the largest 64-bit value", "9223372036854775807", Fault::None,
         std::numeric_limits<std::int64_t>::max()},
        {"written with an exponent", "9.223372036854775807E18", Fault::None,
         std::numeric_limits<std::int64_t>::max()},
        {"beyond 2^53, exact", "9007199254740993", Fault::None, 9007199254740993},
        {"one more than 64 bits", "9223372036854775808", Fault::TooLarge, 0},
        {"a huge exponent", "1e999999999999", Fault::TooLarge, 0},
        {"a fraction", "2.5", Fault::NotWhole, 0},
        {"a tiny fraction", "1e-999999999", Fault::NotWhole, 0},
        {"a fraction of a huge number", "12345678901234567890.5", Fault::NotWhole, 0},
        {"negative", "-5", Fault::Negative, 0},
        {"negative and huge", "-99999999999999999999", Fault::Negative, 0},
        {"empty", "   ", Fault::Empty, 0},
        {"letters after the number", "29abc", Fault::NotANumber, 0},
        {"blank inside", "2 9", Fault::NotANumber, 0},
        {"an exponent without digits", "3e", Fault::NotANumber, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const AmountReading r = readAmount(row.text);
        EXPECT_EQ(r.fault, row.fault);
        EXPECT_EQ(r.value, row.value);
    }
}

}  // namespace
}  // namespace frankierung
