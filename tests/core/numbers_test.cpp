// Number texts and pair arithmetic against independent readings: a regular expression for the
// number grammar, brute force for divisors, multiples, pair bounds and the largest gap.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <regex>

#include "gaps.h"
#include "numbertext.h"
#include "pairs.h"
#include "reachable.h"

namespace frankierung {
namespace {

const std::regex kNumber(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");

// The grammar read another way: drop every blank, tab and line feed, then let strtod read
// the longest prefix the expression accepts. Whole: the trimmed text is nothing but that.
double referenceValue(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    std::smatch m;
    return std::regex_search(text, m, kNumber) ? std::strtod(m.str().c_str(), nullptr) : 0.0;
}
std::optional<double> referenceWhole(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    std::smatch m;
    const double v = std::strtod(text.c_str(), nullptr);
    if (!std::regex_search(text, m, kNumber) || m.length() != std::ssize(text) ||
        !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

TEST(NumberText, RandomTextsReadAsTheGrammarSays) {
    const std::string alphabet = "0123456789012345.+-eE \t\n\rax,\xC3\xA4";
    std::mt19937 rng(7);
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (int n = std::uniform_int_distribution(0, 12)(rng); n > 0; --n) {
            text +=
                alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
        }
        const double got = numericValue(text);
        const double want = referenceValue(text);
        ASSERT_TRUE(got == want || (std::fpclassify(want) == FP_SUBNORMAL && got == 0))
            << '"' << text << '"';  // subnormals may flush
        ASSERT_FALSE(got == 0 && std::signbit(got)) << '"' << text << '"';
        ASSERT_EQ(wholeTextNumber(text), referenceWhole(text)) << '"' << text << '"';
        ASSERT_TRUE(!std::isfinite(got) || numericValue(signedNumberText(got)) == got) << got;
    }
    EXPECT_EQ(numericValue("-1e99999999999999999999"), -HUGE_VAL);
    EXPECT_EQ(numericValue(std::string(400, '9')), HUGE_VAL);
    EXPECT_EQ(numericValue("0.000000000000000000001e30"), 1e9);
}

TEST(NumberText, SignedAndShortenedTexts) {
    EXPECT_EQ(signedNumberText(16) + signedNumberText(-3) + signedNumberText(-0.0) +
                  signedNumberText(2.5),
              " 16-3 0 2.5");
    EXPECT_EQ(signedNumberText(999999999999999) + signedNumberText(1e15), " 999999999999999 1e+15");
    EXPECT_EQ(shortenedForMessage("äöü😀\xC0\xAF", 4), "äöü😀…");
    EXPECT_EQ(shortenedForMessage(std::string("\xC0\xAF") + 'b', 1), "\xC0\xAF…");
    EXPECT_EQ(shortenedForMessage("a\r\nb"), "a  b");
}

TEST(Pairs, DivisorMultipleAndBoundAgainstBruteForce) {
    std::mt19937 rng(11);
    for (int round = 0; round < 400; ++round) {
        const int a = std::uniform_int_distribution(1, 60)(rng);
        const int b = round < 20 ? round % 2 * a : std::uniform_int_distribution(1, 60)(rng);
        int g = std::max(a, b);
        while (a % g != 0 || b % g != 0) {
            --g;
        }
        int k = b == 0 ? 0 : a;
        while (k % std::max(b, 1) != 0) {
            k += a;
        }
        EXPECT_EQ(ggT(a, b), g) << a << "," << b;
        EXPECT_EQ(kgV(b, a), k) << a << "," << b;
        const std::int64_t s = stabilAb(a, b).value_or(-1);
        const auto r = test::reachable({a, b}, static_cast<int>(s) + 2 * a * b + 1);
        for (auto n = s; n < std::ssize(r); n += g) {
            ASSERT_TRUE(r[static_cast<std::size_t>(n)]) << a << "," << b << ": " << n;
        }
        EXPECT_TRUE(s == 0 || !r[static_cast<std::size_t>(s - g)]) << a << "," << b;
    }
    EXPECT_EQ(kgV(32767, 32766), 1073643522);
    EXPECT_EQ(stabilAb(32766, 32767), 1073577990);
    for (const double bad : {-6.0, 6.5, 32768.0, HUGE_VAL, double{NAN}}) {
        EXPECT_FALSE(ggT(bad, 10) || kgV(10, bad) || stabilAb(bad, 10)) << bad;
    }
}

TEST(Gaps, RangesOfUnreachableAmounts) {
    std::vector<Amount> amounts{-5, 5000};  // outside the survey: ignored
    for (Amount n = 0; n <= kSurveyEnd; ++n) {
        amounts.push_back(n);
    }
    EXPECT_EQ(gapRanges(std::span(amounts).first(1001)), "999, 1000");
    EXPECT_EQ(gapRanges(std::span(amounts).first(1000)), "998–1000");
    EXPECT_EQ(gapRanges(std::span(amounts).subspan(4)), "1");
}

}  // namespace
}  // namespace frankierung
