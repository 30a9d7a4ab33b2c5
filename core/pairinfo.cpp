#include "pairinfo.h"

#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>

#include "numbertext.h"
#include "pairs.h"

namespace frankierung {

namespace {

PairLine fault(PairLine::Fault why, PairBox box, std::string_view text) {
    return {why, box, shortenedForMessage(trimBlanks(text))};
}

PairLine unreadable(PairBox box, std::string_view text) {
    return fault(trimBlanks(text).empty() ? PairLine::Fault::Empty : PairLine::Fault::NotANumber,
                 box, text);
}

PairLine outsideDomain(PairBox box, std::string_view text, double value) {
    PairLine::Fault why = PairLine::Fault::NotWhole;
    if (value < 0) {
        why = PairLine::Fault::TooSmall;
    } else if (value > kLargestStamp) {
        why = PairLine::Fault::TooLarge;
    }
    return fault(why, box, text);
}

// Whole numbers up to this convert to 64 bits exactly.
constexpr double kLargestExactWhole = 9007199254740992.0;  // 2^53

// Ties go to the even neighbour, independent of the floating-point environment.
double roundHalfEven(double v) {
    const double below = std::floor(v);
    const double rest = v - below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        return below + 1.0;
    }
    return below;
}

}  // namespace

PairLine pairInfoLine(const PairTexts& texts) {
    const std::optional<double> a = wholeTextNumber(texts.first);
    if (!a) {
        return unreadable(PairBox::First, texts.first);
    }
    if (!inPairDomain(*a)) {
        return outsideDomain(PairBox::First, texts.first, *a);
    }
    const std::optional<double> bRead = wholeTextNumber(texts.second);
    if (!bRead) {
        return unreadable(PairBox::Second, texts.second);
    }
    const double b = roundHalfEven(*bRead);
    if (!inPairDomain(b)) {
        return outsideDomain(PairBox::Second, texts.second, b);
    }
    const std::optional<double> third = wholeTextNumber(texts.third);
    if (!third) {
        return unreadable(PairBox::Third, texts.third);
    }
    const std::optional<double> bound = wholeTextNumber(texts.bound);
    if (!bound) {
        return unreadable(PairBox::Bound, texts.bound);
    }

    PairLine line;
    // Both arguments lie in the domain, so neither function can refuse them.
    line.ggT = ggT(*a, b).value_or(0);
    line.kgV = kgV(*a, b).value_or(0);
    line.bound = *bound + (*third - 1.0) * static_cast<double>(line.ggT - 1);
    if (std::trunc(*third) == *third && *third >= 1 && *third <= kLargestExactWhole) {
        line.ggTAll = std::gcd(line.ggT, static_cast<std::int64_t>(*third));
    }
    if (!std::isfinite(line.bound)) {
        line.fault = PairLine::Fault::BoundTooLarge;
    }
    return line;
}

}  // namespace frankierung
