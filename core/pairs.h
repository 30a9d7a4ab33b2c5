// Arithmetic of a pair of stamp values, and the largest amount three values cannot reach.
#pragma once

#include <cstdint>
#include <optional>

namespace frankierung {

// Stamp values are whole numbers up to this; a pair of values may also hold 0.
inline constexpr int kLargestStamp = 32767;

// True for the whole numbers 0..kLargestStamp, the values the pair functions accept.
[[nodiscard]] bool inPairDomain(double value);

// Greatest common divisor, least common multiple and the pair bound (from this amount on every
// multiple of the divisor is x*a + y*b with whole x, y >= 0) of two stamp values. The results
// are exact 64-bit values, not cut to any narrower type. Arguments outside the pair domain give
// nullopt, which the caller must handle. For (0, 0) the divisor is 0, the multiple 0 and the
// bound 0 (the only multiple of 0 is 0 itself, reachable with no stamps).
[[nodiscard]] std::optional<std::int64_t> ggT(double a, double b);
[[nodiscard]] std::optional<std::int64_t> kgV(double a, double b);
[[nodiscard]] std::optional<std::int64_t> stabilAb(double a, double b);

// The largest amount that is not x*a + y*b + z*c with whole x, y, z >= 0, for whole values
// 1..kLargestStamp: -1 when every amount is reachable (a value is 1), nullopt when infinitely
// many are not (the three share a divisor above 1) or an argument is outside 1..kLargestStamp.
// The remainder classes' largest gap (remainders.h).
[[nodiscard]] std::optional<std::int64_t> largestGap(std::int64_t a, std::int64_t b,
                                                     std::int64_t c);

}  // namespace frankierung
