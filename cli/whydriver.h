// "frankierung-survey --warum": why the largest gap is what it is, and the verdict on N.
#pragma once

#include <array>
#include <string>

#include "language.h"
#include "survey.h"

namespace frankierung {

// The stamp values a run used (whole, 1..kLargestStamp) and the amount's text; the stamp texts
// after the run as JSON shows them.
struct WhyRequest {
    std::array<std::string, 3> stamps;
    std::array<Amount, 3> values{};
    std::string amountText;
};

// The explanation for people: the values, the sentences, the classes when the sentences do not
// list them, the count of gaps and the verdict, one a line.
[[nodiscard]] std::string whyText(const WhyRequest& request, Language language);
// The same as one JSON object: the classes (remainder, smallest amount, its stamps), the largest
// gap, the count, the common divisor, the verdict on N, and the sentences.
[[nodiscard]] std::string whyJson(const WhyRequest& request, Language language);

}  // namespace frankierung
