// The alignment replay reports divergences along: it keeps a longest common
// subsequence, whatever the sizes, in memory proportional to them.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "sequence_diff.h"

namespace {

using host::Step;

std::vector<std::string_view> views(const std::vector<std::string> &texts)
{
    return {texts.begin(), texts.end()};
}

// The longest common subsequence's length, the slow way.
std::size_t lcs(const std::vector<std::string> &a, const std::vector<std::string> &b)
{
    std::vector<std::vector<std::size_t>> t(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            t[i][j] = a[i] == b[j] ? t[i + 1][j + 1] + 1 : std::max(t[i + 1][j], t[i][j + 1]);
    return t[0][0];
}

// The steps replayed: each kept entry equal on both sides, every entry used.
std::size_t check_steps(const std::vector<std::string> &a, const std::vector<std::string> &b,
                        const std::vector<Step> &steps)
{
    std::size_t i = 0, j = 0, same = 0;
    for (Step s : steps) {
        if (s == Step::Same) {
            EXPECT_EQ(a.at(i), b.at(j));
            i++, j++, same++;
        } else if (s == Step::Expected) {
            i++;
        } else {
            j++;
        }
    }
    EXPECT_EQ(i, a.size());
    EXPECT_EQ(j, b.size());
    return same;
}

struct Case {
    const char *name;
    std::vector<std::string> expected, actual;
    std::vector<Step> steps;
};

class Align : public ::testing::TestWithParam<Case> {};

TEST_P(Align, ShowsWhereTheyDiffer)
{
    const Case &c = GetParam();
    EXPECT_EQ(host::align(views(c.expected), views(c.actual)), c.steps);
}

constexpr Step S = Step::Same, E = Step::Expected, A = Step::Actual;
const Case kCases[] = {
    {"Equal", {"a", "b", "c"}, {"a", "b", "c"}, {S, S, S}},
    {"BothEmpty", {}, {}, {}},
    {"Skipped", {"a", "b", "c"}, {"a", "c"}, {S, E, S}},
    {"Extra", {"a", "c"}, {"a", "b", "c"}, {S, A, S}},
    {"Changed", {"a", "b", "c"}, {"a", "x", "c"}, {S, E, A, S}},
    {"NothingInCommon", {"a", "b"}, {"x"}, {E, E, A}},
    {"AllExtra", {}, {"x", "y"}, {A, A}},
    {"MovedToTheEnd", {"m", "a", "b", "c"}, {"a", "b", "c", "m"}, {E, S, S, S, A}},
};

INSTANTIATE_TEST_SUITE_P(Sequences, Align, ::testing::ValuesIn(kCases),
                         [](const auto &p) { return std::string(p.param.name); });

// Random sequences over a small alphabet: as long a common subsequence as
// the slow way finds.
TEST(AlignRandom, KeepsALongestCommonSubsequence)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; round++) {
        std::vector<std::string> a(random() % 30), b(random() % 30);
        for (auto *side : {&a, &b})
            for (auto &t : *side)
                t = std::string(1, static_cast<char>('a' + random() % 4));
        std::vector<Step> steps = host::align(views(a), views(b));
        EXPECT_EQ(check_steps(a, b, steps), lcs(a, b)) << "round " << round;
    }
}

// A request of 15,000 calls: equal, one changed in the middle, and a
// thousand changed in a row, each aligned without a table of their product.
TEST(AlignLarge, FifteenThousandCalls)
{
    std::vector<std::string> a(15000);
    for (std::size_t i = 0; i < a.size(); i++)
        a[i] = "avoc_get_film_mode(" + std::to_string(i) + ", out, 1)";
    std::vector<std::string> b = a;
    EXPECT_EQ(check_steps(a, b, host::align(views(a), views(b))), a.size());
    b[7500] = "avoc_set_film_mode(0, 2, 1)";
    EXPECT_EQ(check_steps(a, b, host::align(views(a), views(b))), a.size() - 1);
    for (std::size_t i = 5000; i < 6000; i++)
        b[i] = "changed " + std::to_string(i);
    EXPECT_EQ(check_steps(a, b, host::align(views(a), views(b))), a.size() - 1001);
}

}  // namespace
