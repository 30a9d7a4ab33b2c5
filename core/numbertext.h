// Reading numbers out of the texts of the boxes and writing numbers back as text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace frankierung {

// The number a text begins with. "." is the decimal point whatever the locale; an optional
// sign and an optional exponent (e or E) are read; blanks, tabs and line feeds are skipped
// wherever they stand ("1 2" is 12, "- 5" is -5). Any other character ends the number, so
// "12abc" is 12, "1d2" is 1 and "0x10" is 0. A text without a leading number gives 0. An
// exponent too large gives an infinity, never an error. The result is never NaN and never
// negative zero. It never fails.
[[nodiscard]] double numericValue(std::string_view text);

// How much of the text numericValue reads: its number with the blanks, tabs and line feeds
// inside and after it ("12\t" and "1 2" whole, "2" of "2,5", "1" of "1e"); 0 when the text
// does not begin with a number ("abc", "-", ".").
[[nodiscard]] std::size_t numberLength(std::string_view text);

// The whole text, apart from surrounding blanks, read as one decimal number; nullopt when it
// is empty or anything else stands in it ("12abc", "1 2"). Infinite results are refused too.
[[nodiscard]] std::optional<double> wholeTextNumber(std::string_view text);

// " 16", "-3", " 2.5": one blank before a number that is not negative, a minus sign before a
// negative one, nothing after it. Whole numbers have no decimal point; other numbers are the
// shortest text that reads back as the same double.
[[nodiscard]] std::string signedNumberText(double value);

// "16", "-3": a whole number without a leading blank.
[[nodiscard]] std::string plainNumberText(std::int64_t value);

// The text without the blanks around it.
[[nodiscard]] std::string_view trimBlanks(std::string_view text);

// A text shortened for a message: at most maxChars characters (UTF-8 aware), line breaks and
// other control characters shown as blanks, "…" where it was cut.
[[nodiscard]] std::string shortenedForMessage(std::string_view text, std::size_t maxChars = 20);

}  // namespace frankierung
