// Which stamp texts a run takes: the number at a text's start as the numeric reading finds it,
// and anything but blanks after that number refused like a value that is not whole.
#include <gtest/gtest.h>

#include "numbertext.h"
#include "survey.h"

namespace frankierung {
namespace {

TEST(StampText, TheNumberEndsWhereTheReadingEnds) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t length;
    };
    const Case cases[] = {
        {"blanks around", " 12 ", 4},
        {"tab and line feed after", "12\t\n", 4},
        {"blank inside", "1 2", 3},
        {"decimal comma", "1,5", 1},
        {"letter after a sign", "-5x", 2},
        {"exponent", "1e3", 3},
        {"exponent with blanks", "1 e -3 ", 7},
        {"marker without an exponent", "1e", 1},
        {"marker and sign only", "2E+", 1},
        {"second point", "1.2.3", 3},
        {"point at the end", "7.", 2},
        {"carriage return is no blank", "7\r", 1},
        {"no number", "abc", 0},
        {"sign alone", " - ", 0},
        {"point alone", ".", 0},
        {"empty", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(numberLength(c.text), c.length);
        // The reading stops there: what follows adds nothing to the value.
        EXPECT_EQ(numericValue(c.text.substr(0, c.length)), numericValue(c.text));
    }
}

TEST(StampText, TextAfterTheNumberIsRefusedNoNumberBecomesOne) {
    struct Case {
        const char* name;
        std::string text;
        bool refused;
    };
    const Case cases[] = {
        {"blanks around", " 12 ", false},
        {"tab after", "12\t", false},
        {"blank inside", "1 2", false},
        {"exponent", "1e3", false},
        {"below one", "-5", false},
        {"not a number", "abc", false},
        {"empty", "", false},
        {"decimal comma", "1,5", true},
        {"decimal comma, whole part allowed", "2,0", true},
        {"letter", "7x", true},
        {"letter after a value below one", "-5x", true},
        {"marker without an exponent", "12e", true},
        {"hexadecimal", "0x10", true},
        {"decimal point", "2.5", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int box = 0; box < 3; ++box) {
            std::array<std::string, 3> stamps{"6", "10", "15"};
            stamps.at(static_cast<std::size_t>(box)) = c.text;
            const auto refusal = stampRefusal(TextBoxes(stamps, "200"));
            EXPECT_EQ(refusal.has_value(), c.refused) << box;
            if (refusal) {
                EXPECT_EQ(std::pair(refusal->box, refusal->text), std::pair(box, c.text));
            }
        }
    }
}

}  // namespace
}  // namespace frankierung
