#include "numbertext.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace frankierung {
namespace {

bool isSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Collects the characters of a number as a compact text that std::from_chars can read.
struct NumberScan {
    std::string mantissa;  // digits with at most one '.'
    bool negative = false;
    bool hasDigits = false;
    bool firstNonZeroSeen = false;
    long long digitsBeforePoint = 0;  // significant digits left of the point
    long long leadingZerosAfterPoint = 0;
    bool pointSeen = false;
    long long exponent = 0;
};

// Saturated so that a thousand-digit exponent cannot overflow; anything beyond this is
// already far outside the range of a double.
constexpr long long kExponentLimit = 100000;

double toDouble(const NumberScan& s) {
    if (!s.hasDigits) {
        return 0.0;
    }
    std::string text = s.mantissa;
    text += 'e';
    text += std::to_string(s.exponent);
    double value = 0.0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        if (!s.firstNonZeroSeen) {
            value = 0.0;
        } else {
            // The decimal exponent of the first significant digit decides overflow or underflow.
            const long long magnitude =
                s.exponent +
                (s.digitsBeforePoint > 0 ? s.digitsBeforePoint : -s.leadingZerosAfterPoint);
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
    }
    if (value == 0.0) {
        return 0.0;  // never negative zero
    }
    return s.negative ? -value : value;
}

// Reads the number at the start of the text into s; returns where the reading ended, the
// blanks, tabs and line feeds it skipped included.
std::size_t scanNumber(std::string_view text, NumberScan& s) {
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && isSkipped(text[i])) {
            ++i;
        }
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        s.negative = text[i] == '-';
        ++i;
    }
    // Mantissa: digits and at most one decimal point.
    for (;; ++i) {
        skip();
        if (i >= text.size()) {
            break;
        }
        const char c = text[i];
        if (isDigit(c)) {
            s.hasDigits = true;
            if (c != '0') {
                s.firstNonZeroSeen = true;
            }
            if (!s.pointSeen && s.firstNonZeroSeen) {
                ++s.digitsBeforePoint;
            }
            if (s.pointSeen && !s.firstNonZeroSeen) {
                ++s.leadingZerosAfterPoint;
            }
            s.mantissa += c;
        } else if (c == '.' && !s.pointSeen) {
            s.pointSeen = true;
            s.mantissa += c;
        } else {
            break;
        }
    }
    if (!s.hasDigits) {
        return 0;
    }
    // Exponent: only when at least one digit follows the marker and its sign.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        auto skipAt = [&] {
            while (j < text.size() && isSkipped(text[j])) {
                ++j;
            }
        };
        skipAt();
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        long long exponent = 0;
        bool expDigits = false;
        for (;; ++j) {
            skipAt();
            if (j >= text.size() || !isDigit(text[j])) {
                break;
            }
            expDigits = true;
            exponent = std::min(kExponentLimit, exponent * 10 + (text[j] - '0'));
        }
        if (expDigits) {
            s.exponent = expNegative ? -exponent : exponent;
            return j;
        }
    }
    return i;
}

}  // namespace

double numericValue(std::string_view text) {
    NumberScan s;
    scanNumber(text, s);
    return toDouble(s);
}

std::size_t numberLength(std::string_view text) {
    NumberScan s;
    return scanNumber(text, s);
}

std::optional<double> wholeTextNumber(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == ' ') {
        ++first;
    }
    while (last > first && text[last - 1] == ' ') {
        --last;
    }
    const std::string_view t = text.substr(first, last - first);
    // Strict grammar: [sign] digits [. digits] | [sign] . digits, then [e [sign] digits].
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            ++i;
        }
        std::size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    const double value = numericValue(t);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string signedNumberText(double value) {
    if (value == 0.0) {
        value = 0.0;  // no "-0"
    }
    std::string text = value < 0 ? "-" : " ";
    const double magnitude = std::fabs(value);
    if (std::isnan(value)) {
        return " nan";
    }
    if (std::isinf(value)) {
        return text + "inf";
    }
    char buffer[64];
    if (magnitude < 1e15 && std::trunc(magnitude) == magnitude) {
        const auto whole = static_cast<long long>(magnitude);
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, whole);
        (void)ec;
        return text.append(buffer, end);
    }
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    (void)ec;
    return text.append(buffer, end);
}

std::string plainNumberText(std::int64_t value) {
    return std::to_string(value);
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string shortenedForMessage(std::string_view text, std::size_t maxChars) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t len = 1;
        if (lead >= 0xF0) {
            len = 4;
        } else if (lead >= 0xE0) {
            len = 3;
        } else if (lead >= 0xC0) {
            len = 2;
        }
        len = std::min(len, text.size() - i);
        if (chars == maxChars) {
            out += "…";
            break;
        }
        if (lead < 0x20 || lead == 0x7F) {
            out += ' ';
        } else {
            out.append(text.substr(i, len));
        }
        i += len;
        ++chars;
    }
    return out;
}

}  // namespace frankierung
