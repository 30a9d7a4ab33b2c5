// The pair line's bound for all three values when the three share a divisor: no bound then, and
// the divisor named; everything else as before.
#include <gtest/gtest.h>

#include "pairinfo.h"

namespace frankierung {
namespace {

TEST(PairLineDivisor, OfAllThreeValuesAsTyped) {
    const struct {
        const char* name;
        PairTexts texts;
        std::int64_t ggTAll;
        double bound;
    } rows[] = {
        {"the issue's values", {"6", "10", "14", " 16"}, 2, 16 + 13},
        {"the start values", {"6", "10", "15", " 16"}, 1, 30},
        {"three of 3", {"9", " 6", "3", " 6"}, 3, 6 + 2 * 2},
        {"a third value that is not whole", {"6", "10", "2.5", " 16"}, 1, 17.5},
        {"a third value below 1, which is no stamp value", {"6", "10", "-4", " 16"}, 1, 11},
        {"a third value beyond exact whole numbers", {"4", "8", "1e300", "0"}, 1, 3e300},
        {"a pair of zeros", {"0", "0", "6", "0"}, 6, -5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const PairLine line = pairInfoLine(row.texts);
        EXPECT_EQ(line.fault, PairLine::Fault::None);
        EXPECT_EQ(line.ggTAll, row.ggTAll);
        EXPECT_DOUBLE_EQ(line.bound, row.bound) << "the bound itself stays as it was";
    }
}

}  // namespace
}  // namespace frankierung
