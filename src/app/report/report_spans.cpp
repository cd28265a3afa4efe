#include "app/report/report_spans.h"

#include <algorithm>

namespace report {

Spans Merged(Spans spans) {
  std::sort(spans.begin(), spans.end());
  Spans out;
  for (const auto& [from, to] : spans) {
    if (to <= from) continue;
    if (!out.empty() && from <= out.back().second) out.back().second = std::max(out.back().second, to);
    else out.emplace_back(from, to);
  }
  return out;
}

Spans Intersection(const Spans& a, const Spans& b) {
  Spans out;
  for (std::size_t i = 0, j = 0; i < a.size() && j < b.size();) {
    const int from = std::max(a[i].first, b[j].first), to = std::min(a[i].second, b[j].second);
    if (from < to) out.emplace_back(from, to);
    (a[i].second < b[j].second ? i : j)++;
  }
  return out;
}

Spans Without(const Spans& a, const Spans& b) {
  Spans out;
  std::size_t j = 0;
  for (auto [from, to] : a) {
    while (j < b.size() && b[j].second <= from) ++j;
    for (std::size_t k = j; k < b.size() && b[k].first < to; ++k) {
      if (b[k].first > from) out.emplace_back(from, b[k].first);
      from = std::max(from, b[k].second);
    }
    if (from < to) out.emplace_back(from, to);
  }
  return out;
}

long long Length(const Spans& spans) {
  long long total = 0;
  for (const auto& [from, to] : spans) total += to - from;
  return total;
}

}  // namespace report
