#include "pairs.h"

#include <cmath>
#include <numeric>

#include "remainders.h"

namespace frankierung {

bool inPairDomain(double value) {
    return value >= 0 && value <= kLargestStamp && std::trunc(value) == value;
}

std::optional<std::int64_t> ggT(double a, double b) {
    if (!inPairDomain(a) || !inPairDomain(b)) {
        return std::nullopt;
    }
    return std::gcd(static_cast<std::int64_t>(a), static_cast<std::int64_t>(b));
}

std::optional<std::int64_t> kgV(double a, double b) {
    const auto g = ggT(a, b);
    if (!g) {
        return std::nullopt;
    }
    if (*g == 0) {
        return 0;
    }
    return static_cast<std::int64_t>(a) / *g * static_cast<std::int64_t>(b);
}

std::optional<std::int64_t> stabilAb(double a, double b) {
    const auto g = ggT(a, b);
    if (!g) {
        return std::nullopt;
    }
    if (*g == 0) {
        return 0;
    }
    const auto a0 = static_cast<std::int64_t>(a);
    const auto b0 = static_cast<std::int64_t>(b);
    // (a0/g - 1)(b0/g - 1) g; with a value 0 the first factor is -1 and the second 0 (or the
    // reverse), so the bound is 0 as for any value that divides the other.
    return (a0 / *g - 1) * (b0 / *g - 1) * *g;
}

std::optional<std::int64_t> largestGap(std::int64_t a, std::int64_t b, std::int64_t c) {
    const auto classes = RemainderClasses::of({a, b, c});
    if (!classes || classes->ggT() != 1) {
        return std::nullopt;
    }
    return classes->largestGap().value_or(-1);
}

}  // namespace frankierung
