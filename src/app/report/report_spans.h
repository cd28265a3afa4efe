// Sets of stretches of the day, kept sorted and disjoint, so that time that
// several periods share counts once.
#pragma once

#include <utility>
#include <vector>

namespace report {

using Spans = std::vector<std::pair<int, int>>;  // [from, to) in seconds

// The union of any stretches, sorted and disjoint.
Spans Merged(Spans spans);
// What lies in both, and what of `a` lies outside `b` (both merged).
Spans Intersection(const Spans& a, const Spans& b);
Spans Without(const Spans& a, const Spans& b);
// Seconds covered by merged spans.
long long Length(const Spans& spans);

}  // namespace report
