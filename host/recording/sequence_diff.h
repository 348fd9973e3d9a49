// Where two sequences of texts differ: the recorded calls or log lines of a
// request against those of its replay.
#pragma once

#include <string_view>
#include <vector>

namespace host {

// One step of an alignment: an entry in both, only in the first sequence
// (expected), or only in the second (actual).
enum class Step : char { Same, Expected, Actual };

// An alignment that keeps a longest common subsequence, so that a skipped,
// extra or changed entry shows where it happens. Equal sequences take time
// in proportion to their length; any others time in proportion to the
// product of the lengths that differ, and memory to their sum.
std::vector<Step> align(const std::vector<std::string_view> &a,
                        const std::vector<std::string_view> &b);

}  // namespace host
