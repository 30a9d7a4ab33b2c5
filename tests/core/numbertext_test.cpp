#include "numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace frankierung {
namespace {

struct ValueCase {
    const char* text;
    double value;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class NumericValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(NumericValue, ReadsTheLeadingNumber) {
    const auto& c = GetParam();
    const double v = numericValue(c.text);
    EXPECT_EQ(v, c.value) << "text: \"" << c.text << "\"";
    EXPECT_FALSE(std::signbit(v) && v == 0.0) << "negative zero for \"" << c.text << "\"";
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValue,
    ::testing::Values(ValueCase{"6", 6}, ValueCase{" 5", 5}, ValueCase{"12abc", 12},
                      ValueCase{"abc", 0}, ValueCase{"", 0}, ValueCase{"-3", -3},
                      ValueCase{"+7", 7}, ValueCase{"2.5", 2.5}, ValueCase{"1 2", 12},
                      ValueCase{"- 5", -5}, ValueCase{"\t1\n0", 10}, ValueCase{"1e3", 1000},
                      ValueCase{"1E3", 1000}, ValueCase{"1e-2", 0.01}, ValueCase{"1e", 1},
                      ValueCase{"1e+", 1}, ValueCase{"1e -", 1}, ValueCase{"1 e 2", 100},
                      ValueCase{".", 0}, ValueCase{"-", 0}, ValueCase{"5.", 5},
                      ValueCase{".5", 0.5}, ValueCase{"-.5", -0.5}, ValueCase{"1.2.3", 1.2},
                      ValueCase{"1d2", 1}, ValueCase{"0x10", 0}, ValueCase{"&H10", 0},
                      ValueCase{"1\r2", 1}, ValueCase{"\r5", 0},
                      ValueCase{"1\xC2\xA0"
                                "2",
                                1},
                      ValueCase{"\xC2\xA0"
                                "5",
                                0},
                      ValueCase{"--5", 0}, ValueCase{"+-5", 0}, ValueCase{"-0", 0},
                      ValueCase{"-0.0e5", 0}, ValueCase{"1,5", 1}, ValueCase{"32768", 32768},
                      ValueCase{"1e999", kInf}, ValueCase{"-1e999", -kInf}, ValueCase{"1e-999", 0},
                      ValueCase{"-1e-999", 0}, ValueCase{"1e99999999999999999999", kInf},
                      ValueCase{"0e99999", 0}, ValueCase{"0.000000000000000000001e30", 1e9},
                      ValueCase{"007", 7}, ValueCase{"Ä5", 0}, ValueCase{"5Ä", 5}));

TEST(NumericValueLong, ManyDigitsOverflowToInfinity) {
    EXPECT_EQ(numericValue(std::string(400, '9')), kInf);
    EXPECT_EQ(numericValue("0." + std::string(400, '0') + "1"), 0.0);
}

struct WholeCase {
    const char* text;
    bool ok;
    double value;
};

void PrintTo(const WholeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class WholeText : public ::testing::TestWithParam<WholeCase> {};

TEST_P(WholeText, TakesTheWholeTextAsOneNumber) {
    const auto& c = GetParam();
    const auto v = wholeTextNumber(c.text);
    ASSERT_EQ(v.has_value(), c.ok) << "text: \"" << c.text << "\"";
    if (c.ok) {
        EXPECT_EQ(*v, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, WholeText,
                         ::testing::Values(WholeCase{"6", true, 6}, WholeCase{" 16", true, 16},
                                           WholeCase{" 16  ", true, 16}, WholeCase{"-3", true, -3},
                                           WholeCase{"2.5", true, 2.5},
                                           WholeCase{"1e3", true, 1000}, WholeCase{"", false, 0},
                                           WholeCase{"  ", false, 0}, WholeCase{"abc", false, 0},
                                           WholeCase{"12abc", false, 0}, WholeCase{"1 2", false, 0},
                                           WholeCase{"1e", false, 0}, WholeCase{".", false, 0},
                                           WholeCase{"?", false, 0}, WholeCase{"1e999", false, 0},
                                           WholeCase{"\t5", false, 0}));

struct TextCase {
    double value;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.value;
}

class SignedText : public ::testing::TestWithParam<TextCase> {};

TEST_P(SignedText, BlankOrMinusInFront) {
    EXPECT_EQ(signedNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, SignedText,
                         ::testing::Values(TextCase{16, " 16"}, TextCase{0, " 0"},
                                           TextCase{-0.0, " 0"}, TextCase{-3, "-3"},
                                           TextCase{2.5, " 2.5"}, TextCase{-0.5, "-0.5"},
                                           TextCase{32768, " 32768"}, TextCase{39800, " 39800"},
                                           TextCase{1e15, " 1e+15"}, TextCase{0.1, " 0.1"},
                                           TextCase{999999999999999, " 999999999999999"}));

TEST(PlainText, NoLeadingBlank) {
    EXPECT_EQ(plainNumberText(30), "30");
    EXPECT_EQ(plainNumberText(-3), "-3");
    EXPECT_EQ(plainNumberText(0), "0");
}

TEST(ShortenedText, CutsByCharactersAndHidesControls) {
    EXPECT_EQ(shortenedForMessage("2.5"), "2.5");
    EXPECT_EQ(shortenedForMessage("äöüäöü", 3), "äöü…");
    EXPECT_EQ(shortenedForMessage("a\r\nb"), "a  b");
    EXPECT_EQ(shortenedForMessage(std::string(50, 'x'), 4), "xxxx…");
}

}  // namespace
}  // namespace frankierung
