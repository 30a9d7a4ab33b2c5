#include "pairs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

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
    for (const auto v : {a, b, c}) {
        if (v < 1 || v > kLargestStamp) {
            return std::nullopt;
        }
    }
    if (std::gcd(std::gcd(a, b), c) != 1) {
        return std::nullopt;
    }
    std::array<std::int64_t, 3> values{a, b, c};
    std::sort(values.begin(), values.end());
    const std::int64_t m = values[0];
    // least[r]: the least reachable amount congruent r modulo m ("round robin" over the
    // residue classes: each further value walks every cycle of its step once, then once more).
    constexpr std::int64_t kUnreached = std::numeric_limits<std::int64_t>::max();
    std::vector<std::int64_t> least(static_cast<std::size_t>(m), kUnreached);
    least[0] = 0;
    for (std::size_t k = 1; k < values.size(); ++k) {
        const std::int64_t step = values[k];
        const std::int64_t d = std::gcd(m, step);
        for (std::int64_t p = 0; p < d; ++p) {
            // Start each cycle at its least entry so that one lap settles it.
            std::int64_t best = kUnreached;
            for (std::int64_t q = p; q < m; q += d) {
                best = std::min(best, least[static_cast<std::size_t>(q)]);
            }
            if (best == kUnreached) {
                continue;
            }
            std::int64_t n = best;
            for (std::int64_t i = 0; i < m / d - 1; ++i) {
                n += step;
                auto& slot = least[static_cast<std::size_t>(n % m)];
                n = std::min(n, slot);
                slot = n;
            }
        }
    }
    return *std::max_element(least.begin(), least.end()) - m;
}

}  // namespace frankierung
