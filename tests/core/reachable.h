// Brute force for the tests: which amounts up to a limit are sums of the values, each value
// taken any number of times.
#pragma once

#include <algorithm>
#include <vector>

namespace frankierung::test {

inline std::vector<bool> reachable(const std::vector<int>& values, int limit) {
    std::vector<bool> r(static_cast<std::size_t>(limit) + 1);
    for (int n = 0; n <= limit; ++n) {
        r[n] = n == 0 ||
               std::any_of(values.begin(), values.end(), [&](int v) { return n >= v && r[n - v]; });
    }
    return r;
}

}  // namespace frankierung::test
