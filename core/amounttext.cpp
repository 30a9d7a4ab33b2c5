#include "amounttext.h"

#include <limits>
#include <string>

#include "numbertext.h"

namespace frankierung {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Beyond this many decimal places a nonzero number is far outside 64 bits either way.
constexpr long long kExponentCap = 1000;

// Moves i past the digits standing there and appends them to digits; how many there were.
std::size_t takeDigits(std::string_view t, std::size_t& i, std::string& digits) {
    const std::size_t start = i;
    while (i < t.size() && isDigit(t[i])) {
        digits += t[i++];
    }
    return i - start;
}

}  // namespace

AmountReading readAmount(std::string_view text) {
    using Fault = AmountReading::Fault;
    const std::string_view t = trimBlanks(text);
    if (t.empty()) {
        return {Fault::Empty};
    }
    std::size_t i = 0;
    const bool negative = t[0] == '-';
    if (t[0] == '+' || negative) {
        ++i;
    }
    // The number is digits * 10^exponent, the digits without a point.
    std::string digits;
    std::size_t count = takeDigits(t, i, digits);
    long long exponent = 0;
    if (i < t.size() && t[i] == '.') {
        ++i;
        const std::size_t fraction = takeDigits(t, i, digits);
        count += fraction;
        exponent -= static_cast<long long>(fraction);
    }
    if (count == 0) {
        return {Fault::NotANumber};
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        const bool down = i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            ++i;
        }
        long long written = 0;
        std::size_t expDigits = 0;
        for (; i < t.size() && isDigit(t[i]); ++i, ++expDigits) {
            written = std::min(kExponentCap, written * 10 + (t[i] - '0'));
        }
        if (expDigits == 0) {
            return {Fault::NotANumber};
        }
        exponent += down ? -written : written;
    }
    if (i != t.size()) {
        return {Fault::NotANumber};
    }

    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return {Fault::None, 0};
    }
    digits.erase(0, first);
    while (digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (exponent < 0) {
        return {Fault::NotWhole};
    }
    if (negative) {
        return {Fault::Negative};
    }
    constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (long long k = 0; k < static_cast<long long>(digits.size()) + exponent; ++k) {
        const int digit = k < static_cast<long long>(digits.size())
                              ? digits[static_cast<std::size_t>(k)] - '0'
                              : 0;
        if (value > (kLargest - digit) / 10) {
            return {Fault::TooLarge};
        }
        value = value * 10 + digit;
    }
    return {Fault::None, value};
}

}  // namespace frankierung
