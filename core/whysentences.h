// The explanation behind "Warum?" in plain sentences with the numbers filled in. The assembly is
// shared; each program brings its wording (the window through its translations, the driver
// through its own table), so that both say the same.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "remainders.h"

namespace frankierung {

// The patterns a wording supplies; "%1" … are the numbers put in, as the comments list them.
enum class WhyPhrase {
    // A common divisor above 1: none; g; g, the divided A, B, C, their largest gap, times g.
    DivisorTwo,
    Divisor,
    DividedWithGap,
    DividedWithoutGap,  // g, the divided A, B, C
    // The smallest divided value is 1: the smallest value, which is g (none for g = 2).
    EveryAmount,
    EveryEven,
    EveryMultiple,
    // The smallest value M, the number of columns, the remainders (, g for multiples).
    Columns,
    ColumnsEven,
    ColumnsMultiple,
    OneMore,  // M
    Decides,
    Smallest,            // the classes listed, the largest smallest amount
    ClassInSentence,     // remainder, "25 = 1·10 + 1·15" (or "0")
    ClassLine,           // remainder, "25 = 1·10 + 1·15" (or "0")
    SmallestInOverview,  // columns, the largest smallest amount, its stamps, its remainder
    // The largest smallest amount, M, the largest gap, where the run starts, its length (, g).
    Largest,
    LargestEven,
    LargestMultiple,
    // The number of gaps (, g).
    Count,
    CountEven,
    CountMultiple,
    // Verdicts: the amount and its stamps; amount, M, remainder, smallest amount; amount, g.
    Payable,
    NotPayable,
    NotMultiple,
    // Texts that are no amount: none; the text shortened for a message (, the largest amount).
    NoAmount,
    NotANumber,
    NotWhole,
    Negative,
    TooLarge,
};

using WhyWording = std::function<std::string(WhyPhrase)>;

// Up to this many columns the sentences list every class.
inline constexpr std::size_t kListedClasses = 12;

// The argument, sentence by sentence: the common divisor, the columns, why the smallest payable
// amount of a column decides, the classes, the largest gap and the run after it.
[[nodiscard]] std::vector<std::string> whyArgument(const RemainderClasses& classes,
                                                   const WhyWording& wording);
// How many amounts cannot be paid.
[[nodiscard]] std::string gapCountSentence(const RemainderClasses& classes,
                                           const WhyWording& wording);
// The verdict on an amount as typed: payable with an example, or why not, or why the text is
// no amount.
[[nodiscard]] std::string verdictSentence(const RemainderClasses& classes,
                                          std::string_view amountText, const WhyWording& wording);

// "1·10 + 1·15": the stamps, each value with its count; with everyValue also the values counted
// 0 times ("0·6 + 1·10 + 1·15"), else "0" when there are none.
[[nodiscard]] std::string stampSum(const StampCounts& counts,
                                   const std::array<std::int64_t, 3>& values, bool everyValue);
// "25 = 1·10 + 1·15", or "0" for the class that needs no stamp.
[[nodiscard]] std::string classSum(const RemainderClass& c,
                                   const std::array<std::int64_t, 3>& values);
// "Rest 1: 25 = 1·10 + 1·15": a class on a line of its own.
[[nodiscard]] std::string classLine(const RemainderClass& c,
                                    const std::array<std::int64_t, 3>& values,
                                    const WhyWording& wording);

}  // namespace frankierung
