// Brute force for the tests: which amounts up to a limit are sums of the values, each value
// taken any number of times.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace frankierung::test {

template <class Values = std::vector<std::int64_t>>
std::vector<bool> reachable(const Values& values, std::int64_t limit) {
    std::vector<bool> r(static_cast<std::size_t>(limit) + 1);
    for (std::size_t n = 0; n < r.size(); ++n) {
        r[n] = n == 0 || std::any_of(values.begin(), values.end(), [&](auto v) {
                   const auto step = static_cast<std::size_t>(v);
                   return n >= step && r[n - step];
               });
    }
    return r;
}

}  // namespace frankierung::test
