// The driver's texts in German and English; "%1", "%2", ... stand for the values put in.
#pragma once

#include <initializer_list>
#include <string>

#include "language.h"
#include "whysentences.h"

namespace frankierung {

enum class DriverText {
    Usage,
    UnknownOption,    // the option
    Refusal,          // box name, its text, the largest stamp value
    Stamps,           // A, B, C
    PairBounds,       // the three pair bound boxes' texts
    WindowBox,        // the text of the box for all three values
    Unreachable,      // the unreachable amounts up to 1000
    NoneUnreachable,  // in place of the amounts when there are none
    EveryAmount,      // the first amount from which every amount is reachable
    LargestGap,       // the largest unreachable amount
    InfinitelyMany,
    Representations,  // the amount's text, how many the window's search finds
    WriteFailed,      // the reason, if known
    NoSpace,
    OutputClosed,
    Overview,  // the heading of the remainder classes listed one a line
};

[[nodiscard]] std::string driverText(DriverText text, Language language,
                                     std::initializer_list<std::string> values = {});

// The sentences of "--warum" in that language.
[[nodiscard]] WhyWording driverWhyWording(Language language);

}  // namespace frankierung
