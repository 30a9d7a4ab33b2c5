// The remainder classes behind "Warum?": which amounts three stamp values can pay, sorted by
// their remainder when divided by the smallest value, and why the largest gap is what it is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace frankierung {

// How many stamps of A, B and C.
using StampCounts = std::array<std::int64_t, 3>;

// The amounts with one remainder when divided by the smallest value (only multiples of the
// common divisor can be paid, so only their remainders have a class). Every amount of the
// class from `smallest` on can be paid, none below it.
struct RemainderClass {
    std::int64_t remainder = 0;
    std::int64_t smallest = 0;
    StampCounts counts{};  // one representation of `smallest`, without stamps of the smallest value
};

// What can be said of one amount.
struct Verdict {
    enum class Kind { Payable, NotPayable, NotMultiple };
    Kind kind = Kind::Payable;
    std::int64_t amount = 0;
    StampCounts counts{};        // Payable: a representation that sums to the amount
    std::int64_t remainder = 0;  // NotPayable: when divided by the smallest value
    std::int64_t smallest = 0;   // NotPayable: the smallest payable amount with that remainder
};

class RemainderClasses {
public:
    // nullopt unless every value is a whole number from 1 to kLargestStamp. At most about
    // 4 * 32767 steps: a shortest path over the remainders of the smallest value divided by
    // the common divisor, each other value an edge.
    [[nodiscard]] static std::optional<RemainderClasses> of(
        const std::array<std::int64_t, 3>& values);

    [[nodiscard]] const std::array<std::int64_t, 3>& values() const { return values_; }
    [[nodiscard]] std::int64_t ggT() const { return ggT_; }
    // The values divided by ggT().
    [[nodiscard]] std::array<std::int64_t, 3> divided() const;
    // A, B or C: the smallest value (the first of equal ones), whose stamps step down a class.
    [[nodiscard]] std::size_t smallestIndex() const { return order_[0]; }
    [[nodiscard]] std::int64_t smallestValue() const { return values_[order_[0]]; }
    // One for each multiple of ggT() below the smallest value, in ascending order of remainder.
    [[nodiscard]] const std::vector<RemainderClass>& classes() const { return classes_; }
    // The class whose smallest payable amount is the largest (the first of equal ones).
    [[nodiscard]] const RemainderClass& highest() const { return classes_[highest_]; }

    // The largest multiple of ggT() that cannot be paid; nullopt when every one can (the
    // smallest value is ggT() itself). With ggT() above 1 no amount at all is the largest
    // that cannot be paid: every amount that is not a multiple cannot.
    [[nodiscard]] std::optional<std::int64_t> largestGap() const;
    // How many multiples of ggT() cannot be paid.
    [[nodiscard]] std::int64_t gapCount() const { return gapCount_; }
    // Where the first run of smallestValue() / ggT() payable multiples of ggT() in a row
    // starts, right after the largest gap: from there on every multiple can be paid.
    [[nodiscard]] std::int64_t runStart() const;

    // Any amount from 0 up to the largest 64-bit value. A payable amount gets the smallest
    // amount of its class plus stamps of the smallest value, of which as many as go are then
    // changed for stamps of the largest value and then of the middle one.
    [[nodiscard]] Verdict verdict(std::int64_t amount) const;

private:
    RemainderClasses() = default;

    std::array<std::int64_t, 3> values_{};
    std::array<std::size_t, 3> order_{};  // indices of the values, smallest first
    std::int64_t ggT_ = 1;
    std::vector<RemainderClass> classes_;
    std::size_t highest_ = 0;
    std::int64_t gapCount_ = 0;
};

}  // namespace frankierung
