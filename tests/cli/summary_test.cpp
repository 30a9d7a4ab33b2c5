#include <gtest/gtest.h>

#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "driver.h"

namespace frankierung {
namespace {

struct SummaryCase {
    std::vector<std::string> args;
    const char* windowField;  // the window's box for all three, as labelled
    const char* searchCount;  // what the window's search finds
};

void PrintTo(const SummaryCase& c, std::ostream* os) {
    for (const auto& a : c.args) {
        *os << a << " ";
    }
}

class Summary : public ::testing::TestWithParam<SummaryCase> {};

// The window's box text and the true bound once stood side by side as two answers.
TEST_P(Summary, StatesOneBoundAndLabelsTheWindowsTexts) {
    const auto out = runDriver(GetParam().args).out;
    std::set<std::string> bounds;
    const std::regex claim("Jede Zahl ab ([^ ]+)");
    for (auto it = std::sregex_iterator(out.begin(), out.end(), claim);
         it != std::sregex_iterator(); ++it) {
        bounds.insert((*it)[1]);
    }
    EXPECT_LE(bounds.size(), 1U) << out;
    EXPECT_NE(out.find(GetParam().windowField), std::string::npos) << out;
    EXPECT_NE(out.find(GetParam().searchCount), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Driver, Summary,
    ::testing::Values(
        SummaryCase{{"1", "10", "15"}, "Feld „A, B, C“ im Fenster: 1\n", "z ≤ B): 22\n"},
        SummaryCase{{"32767", "32766", "32765"}, "im Fenster: ?\n", "z ≤ B): 0\n"},
        SummaryCase{{"6", "10", "15"},
                    "im Fenster: 30\n",
                    "Darstellungen von 200, die die Suche des Fensters findet (x ≤ 1000/A, y ≤ "
                    "A, z ≤ B): 12\n"}));

}  // namespace
}  // namespace frankierung
