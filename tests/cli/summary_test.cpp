#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "driver.h"

namespace frankierung {
namespace {

// The window's box text and the true bound once stood side by side as two answers, and the
// window's search count read as the number of all representations.
TEST(DriverSummary, StatesOneBoundAndLabelsTheWindowsTexts) {
    const struct {
        std::vector<std::string> args;
        const char* window;
        const char* found;
    } cases[] = {{{"1", "10", "15"}, "Feld „A, B, C“ im Fenster: 1\n", "z ≤ B): 22\n"},
                 {{"32767", "32766", "32765"}, "im Fenster: ?\n", "die Suche des Fensters"}};
    const std::regex claim("Jede Zahl ab ([^ ]+)");
    for (const auto& c : cases) {
        const std::string out = runDriver(c.args).out;
        std::set<std::string> bounds;
        for (auto it = std::sregex_iterator(out.begin(), out.end(), claim);
             it != std::sregex_iterator(); ++it) {
            bounds.insert((*it)[1]);
        }
        EXPECT_EQ(bounds.size(), 1U) << out;
        EXPECT_NE(out.find(c.window), std::string::npos) << out;
        EXPECT_NE(out.find(c.found), std::string::npos) << out;
    }
}

}  // namespace
}  // namespace frankierung
