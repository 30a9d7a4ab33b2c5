// Which stamp texts a run takes: the number at a text's start as the numeric reading finds it,
// and anything but blanks after that number refused like a value that is not whole.
#include <gtest/gtest.h>

#include "numbertext.h"
#include "survey.h"

namespace frankierung {
namespace {

TEST(StampText, TextAfterTheNumberIsRefusedNoNumberBecomesOne) {
    // text, what the reading takes of it, refused
    const std::tuple<std::string, std::size_t, bool> cases[] = {
        {" 12 ", 4, false},    {"12\t", 3, false}, {"1 2", 3, false}, {"1e3", 3, false},
        {"1 e -3 ", 7, false}, {"-5", 2, false},   {"abc", 0, false}, {" - ", 0, false},
        {"", 0, false},        {"1,5", 1, true},   {"-5x", 2, true},  {"12e", 2, true},
        {"1.2.3", 3, true},    {"7\r", 1, true},   {"2.5", 3, true}};
    for (const auto& [text, length, refused] : cases) {
        EXPECT_EQ(numberLength(text), length) << text;
        EXPECT_EQ(numericValue(text.substr(0, length)), numericValue(text)) << text;
        const auto refusal = stampRefusal(TextBoxes({"6", text, "15"}, "200"));
        EXPECT_EQ(refusal ? refusal->box : -1, refused ? 1 : -1) << text;
    }
}

}  // namespace
}  // namespace frankierung
