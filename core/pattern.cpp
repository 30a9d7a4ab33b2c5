#include "pattern.h"

namespace frankierung {

std::string fillPattern(std::string_view pattern, std::initializer_list<std::string> values) {
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && index < values.size()) {
            filled += values.begin()[index];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

}  // namespace frankierung
