#include "remainders.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "pairs.h"

namespace frankierung {

namespace {

// In the divided units, one word per remainder: its smallest payable amount in the high 32 bits
// (no amount on the way exceeds twice 32766 · 32767), above the counts of the two larger values'
// stamps in 16 bits each (below m). Comparing words compares amounts, and one word per entry
// keeps the walks free of branches: the remainders a step visits are far apart in memory, and
// a mispredicted branch there would wait for each one in turn.
using Path = std::uint64_t;
constexpr Path kUnreached = std::numeric_limits<Path>::max();
constexpr int kAmountShift = 32;
constexpr std::array<int, 2> kCountShift{16, 0};

std::int64_t amountOf(Path p) {
    return static_cast<std::int64_t>(p >> kAmountShift);
}
std::int64_t countOf(Path p, std::size_t k) {
    return static_cast<std::int64_t>((p >> kCountShift.at(k)) & 0xFFFF);
}

// "Round robin" over the remainders of m: each further value walks every cycle of its step
// once, starting at the cycle's least entry, so that one lap settles the cycle.
std::vector<Path> shortestPaths(std::int64_t m, const std::array<std::int64_t, 2>& steps) {
    std::vector<Path> least(static_cast<std::size_t>(m), kUnreached);
    least[0] = 0;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const std::int64_t step = steps[k];
        const Path increment =
            (static_cast<Path>(step) << kAmountShift) + (Path{1} << kCountShift.at(k));
        const std::int64_t d = std::gcd(m, step);
        for (std::int64_t p = 0; p < d; ++p) {
            std::int64_t start = p;
            for (std::int64_t q = p + d; q < m; q += d) {
                if (least[static_cast<std::size_t>(q)] < least[static_cast<std::size_t>(start)]) {
                    start = q;
                }
            }
            Path walk = least[static_cast<std::size_t>(start)];
            if (walk == kUnreached) {
                continue;
            }
            // The remainder carried along: a division per step would cost as much as the rest.
            const std::int64_t stepRest = step % m;
            std::int64_t at = start;
            for (std::int64_t i = 0; i < m / d - 1; ++i) {
                at += stepRest;
                if (at >= m) {
                    at -= m;
                }
                Path& slot = least[static_cast<std::size_t>(at)];
                walk = std::min(walk + increment, slot);
                slot = walk;
            }
        }
    }
    return least;
}

}  // namespace

std::optional<RemainderClasses> RemainderClasses::of(const std::array<std::int64_t, 3>& values) {
    for (const std::int64_t v : values) {
        if (v < 1 || v > kLargestStamp) {
            return std::nullopt;
        }
    }
    RemainderClasses r;
    r.values_ = values;
    r.ggT_ = std::gcd(std::gcd(values[0], values[1]), values[2]);
    r.order_ = {0, 1, 2};
    std::stable_sort(r.order_.begin(), r.order_.end(),
                     [&values](std::size_t i, std::size_t j) { return values[i] < values[j]; });
    const std::array<std::int64_t, 3> d = r.divided();
    const std::int64_t m = d[r.order_[0]];
    const std::vector<Path> least = shortestPaths(m, {d[r.order_[1]], d[r.order_[2]]});
    r.classes_.reserve(least.size());
    for (std::size_t rest = 0; rest < least.size(); ++rest) {
        // Filled in place: a copy of a class written piecewise stalls on its way through memory.
        RemainderClass& c = r.classes_.emplace_back();
        c.remainder = static_cast<std::int64_t>(rest) * r.ggT_;
        c.smallest = amountOf(least[rest]) * r.ggT_;
        c.counts[r.order_[1]] = countOf(least[rest], 0);
        c.counts[r.order_[2]] = countOf(least[rest], 1);
        r.gapCount_ += amountOf(least[rest]) / m;
        if (c.smallest > r.classes_[r.highest_].smallest) {
            r.highest_ = rest;
        }
    }
    return r;
}

std::array<std::int64_t, 3> RemainderClasses::divided() const {
    return {values_[0] / ggT_, values_[1] / ggT_, values_[2] / ggT_};
}

std::optional<std::int64_t> RemainderClasses::largestGap() const {
    if (classes_.size() == 1) {
        return std::nullopt;
    }
    return highest().smallest - smallestValue();
}

std::int64_t RemainderClasses::runStart() const {
    return largestGap().value_or(-ggT_) + ggT_;
}

Verdict RemainderClasses::verdict(std::int64_t amount) const {
    Verdict v;
    v.amount = amount;
    if (amount % ggT_ != 0) {
        v.kind = Verdict::Kind::NotMultiple;
        return v;
    }
    const std::int64_t step = smallestValue();
    const RemainderClass& c = classes_[static_cast<std::size_t>(amount % step / ggT_)];
    if (amount < c.smallest) {
        v.kind = Verdict::Kind::NotPayable;
        v.remainder = c.remainder;
        v.smallest = c.smallest;
        return v;
    }
    v.counts = c.counts;
    std::int64_t spare = (amount - c.smallest) / step;  // stamps of the smallest value
    // Fewer, larger stamps read better: trade whole groups of the smallest value's stamps.
    for (const std::size_t larger : {order_[2], order_[1]}) {
        // Their least common multiple: value / common stamps of the step, or step / common of
        // the larger value.
        const std::int64_t common = std::gcd(step, values_[larger]);
        const std::int64_t perGroup = values_[larger] / common;
        const std::int64_t groups = spare / perGroup;
        v.counts[larger] += groups * (step / common);
        spare -= groups * perGroup;
    }
    v.counts[order_[0]] += spare;
    return v;
}

}  // namespace frankierung
