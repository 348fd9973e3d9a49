// A longest common subsequence in linear space: the middle of the first
// sequence is matched to the point of the second that keeps most in common
// on both sides (computed forward and backward, a row at a time), and each
// half is aligned the same way.
#include "sequence_diff.h"

#include <algorithm>
#include <cstddef>

namespace host {
namespace {

using Seq = std::vector<std::string_view>;

struct Range {
    std::size_t lo, hi;
    std::size_t size() const { return hi - lo; }
};

// row[j]: the longest common subsequence of a's range and b's first j entries.
void forward(const Seq &a, Range ra, const Seq &b, Range rb, std::vector<int> &row)
{
    row.assign(rb.size() + 1, 0);
    for (std::size_t i = ra.lo; i < ra.hi; i++) {
        int diagonal = 0;
        for (std::size_t j = 1; j <= rb.size(); j++) {
            int above = row[j];
            row[j] = a[i] == b[rb.lo + j - 1] ? diagonal + 1 : std::max(row[j], row[j - 1]);
            diagonal = above;
        }
    }
}

// row[j]: the same of a's range and b's entries from the j-th on.
void backward(const Seq &a, Range ra, const Seq &b, Range rb, std::vector<int> &row)
{
    row.assign(rb.size() + 1, 0);
    for (std::size_t i = ra.hi; i-- > ra.lo;) {
        int diagonal = 0;
        for (std::size_t j = rb.size(); j-- > 0;) {
            int below = row[j];
            row[j] = a[i] == b[rb.lo + j] ? diagonal + 1 : std::max(row[j], row[j + 1]);
            diagonal = below;
        }
    }
}

void append(std::vector<Step> &steps, std::size_t count, Step step)
{
    steps.insert(steps.end(), count, step);
}

void align_ranges(const Seq &a, Range ra, const Seq &b, Range rb, std::vector<Step> &steps)
{
    if (ra.size() == 0 || rb.size() == 0) {
        append(steps, ra.size(), Step::Expected);
        append(steps, rb.size(), Step::Actual);
        return;
    }
    if (ra.size() == 1) {
        auto at = std::find(b.begin() + static_cast<std::ptrdiff_t>(rb.lo),
                            b.begin() + static_cast<std::ptrdiff_t>(rb.hi), a[ra.lo]);
        auto j = static_cast<std::size_t>(at - b.begin());
        if (j == rb.hi) {
            append(steps, 1, Step::Expected);
            append(steps, rb.size(), Step::Actual);
        } else {
            append(steps, j - rb.lo, Step::Actual);
            append(steps, 1, Step::Same);
            append(steps, rb.hi - j - 1, Step::Actual);
        }
        return;
    }
    std::size_t mid = ra.lo + ra.size() / 2;
    std::vector<int> front, back;
    forward(a, {ra.lo, mid}, b, rb, front);
    backward(a, {mid, ra.hi}, b, rb, back);
    std::size_t split = 0;
    for (std::size_t k = 1; k <= rb.size(); k++)
        if (front[k] + back[k] > front[split] + back[split])
            split = k;
    back.clear();
    front.clear();
    align_ranges(a, {ra.lo, mid}, b, {rb.lo, rb.lo + split}, steps);
    align_ranges(a, {mid, ra.hi}, b, {rb.lo + split, rb.hi}, steps);
}

}  // namespace

std::vector<Step> align(const Seq &a, const Seq &b)
{
    std::size_t lo = 0, n = a.size(), m = b.size();
    while (lo < n && lo < m && a[lo] == b[lo])
        lo++;
    std::size_t same_end = 0;
    while (n > lo && m > lo && a[n - 1] == b[m - 1])
        n--, m--, same_end++;
    std::vector<Step> steps(lo, Step::Same);
    if (lo < n || lo < m)
        align_ranges(a, {lo, n}, b, {lo, m}, steps);
    append(steps, same_end, Step::Same);
    return steps;
}

}  // namespace host
