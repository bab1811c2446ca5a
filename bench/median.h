#pragma once
// The median of a benchmark's per-iteration times: the figure a user feels on most clicks,
// untouched by the odd slow iteration.
#include <algorithm>
#include <vector>

namespace tessera::bench {

inline double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

}  // namespace tessera::bench
