#include "pairinfo.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "numbertext.h"
#include "pairs.h"

namespace frankierung {

namespace {

constexpr std::string_view kAllowed = " – erlaubt sind ganze Zahlen von 0 bis 32767.";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string quoted(std::string_view text) {
    return "„" + shortenedForMessage(trimmed(text)) + "“";
}

// The pair's values must lie in the pair domain; the third value may be any number.
std::string notANumber(std::string_view name, std::string_view text, bool pairValue = true) {
    const std::string tail = pairValue ? std::string(kAllowed) : std::string(".");
    if (trimmed(text).empty()) {
        return std::string(name) + " ist leer" + tail;
    }
    return std::string(name) + ": " + quoted(text) + " ist keine Zahl" + tail;
}

std::string outsideDomain(std::string_view name, std::string_view text, double value) {
    const char* why = " ist keine ganze Zahl";
    if (value < 0) {
        why = " ist zu klein";
    } else if (value > kLargestStamp) {
        why = " ist zu groß";
    }
    return std::string(name) + ": " + quoted(text) + why + std::string(kAllowed);
}

// Ties go to the even neighbour, independent of the floating-point environment.
double roundHalfEven(double v) {
    const double below = std::floor(v);
    const double rest = v - below;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        return below + 1.0;
    }
    return below;
}

PairLine fault(std::string message) {
    return {false, std::move(message)};
}

}  // namespace

PairLine pairInfoLine(const PairTexts& texts, const PairNames& names) {
    const std::optional<double> a = wholeTextNumber(texts.first);
    if (!a) {
        return fault(notANumber(names.first, texts.first));
    }
    if (!inPairDomain(*a)) {
        return fault(outsideDomain(names.first, texts.first, *a));
    }
    const std::optional<double> bRead = wholeTextNumber(texts.second);
    if (!bRead) {
        return fault(notANumber(names.second, texts.second));
    }
    const double b = roundHalfEven(*bRead);
    if (!inPairDomain(b)) {
        return fault(outsideDomain(names.second, texts.second, b));
    }
    const std::optional<double> third = wholeTextNumber(texts.third);
    if (!third) {
        return fault(notANumber(names.third, texts.third, false));
    }
    const std::optional<double> bound = wholeTextNumber(texts.bound);
    if (!bound) {
        return fault(std::string(names.bound) + " fehlt – bitte zuerst „zeigen“ klicken.");
    }

    // Both arguments lie in the domain, so neither function can refuse them.
    const std::int64_t g = ggT(*a, b).value_or(0);
    const std::int64_t k = kgV(*a, b).value_or(0);
    const double s = *bound + (*third - 1.0) * static_cast<double>(g - 1);
    if (!std::isfinite(s)) {
        return fault(std::string(names.boundLabel) + " ist zu groß für eine Zahl.");
    }
    std::string line = "ggT =" + signedNumberText(static_cast<double>(g));
    line += ",  kgV =" + signedNumberText(static_cast<double>(k));
    line += ",  " + std::string(names.boundLabel) + " =" + signedNumberText(s);
    return {true, std::move(line)};
}

}  // namespace frankierung
