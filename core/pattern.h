// Texts with numbered places: "%1 ist darstellbar" with the values put in.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace frankierung {

// Each "%1" … "%9" for which a value is given replaced by that value, in one pass: a "%2" inside
// a value stays as it is. Other "%" signs stay too.
[[nodiscard]] std::string fillPattern(std::string_view pattern,
                                      std::initializer_list<std::string> values);

}  // namespace frankierung
