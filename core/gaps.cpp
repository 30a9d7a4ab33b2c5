#include "gaps.h"

#include <vector>

namespace frankierung {

std::string gapRanges(std::span<const Amount> reachable) {
    std::vector<bool> hit(kSurveyEnd + 1, false);
    for (const Amount n : reachable) {
        if (n >= 0 && n <= kSurveyEnd) {
            hit[static_cast<std::size_t>(n)] = true;
        }
    }
    std::string text;
    for (int n = 1; n <= kSurveyEnd; ++n) {
        if (hit[static_cast<std::size_t>(n)]) {
            continue;
        }
        int last = n;
        while (last < kSurveyEnd && !hit[static_cast<std::size_t>(last) + 1]) {
            ++last;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += std::to_string(n);
        if (last > n) {
            text += (last == n + 1 ? ", " : "–") + std::to_string(last);
        }
        n = last;
    }
    return text;
}

}  // namespace frankierung
