// The recorder formats the provider's log lines itself: each format the
// provider uses gives vsnprintf's text, on the fast path or off it.
#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "log_format.h"

namespace {

struct Formatted {
    std::string ours;
    std::string vsnprintfs;
};

__attribute__((format(printf, 1, 2))) Formatted both(const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    recorder::LogText text;
    text.format(fmt, args);
    va_end(args);
    Formatted f{std::string(text.view()), ""};
    EXPECT_EQ(f.ours, text.c_str()) << "the text ends where it is seen";
    va_start(args, fmt);
    char expected[4096];
    std::vsnprintf(expected, sizeof expected, fmt, args);
    va_end(args);
    f.vsnprintfs = expected;
    return f;
}

// The provider's line prefix, as its log macros write it.
#define PREFIX "%s: %s(%d) > [%s:%d] "
#define WHERE "dispatch.cpp", "get_int", 151, "get_int", 151

std::vector<Formatted> cases()
{
    std::string long_text(1500, 'x');
    const char *volatile none = nullptr;  // a null text, unseen by the compiler
    return {
        both(PREFIX "Picture Menu get_int key: %s\n", WHERE,
             "menu/picture/picture-options/film-mode"),
        both(PREFIX " size: %d \n", WHERE, 71),
        both(PREFIX "PIcture Menu get key: %s, value: %d\n", WHERE, "k", INT_MIN),
        both(PREFIX "Get Channnel List failed [%d %d]\n\n\n", WHERE, -1, INT_MAX),
        both(PREFIX "Service id %llu\n", WHERE, 18446744073709551615ULL),
        both(PREFIX "find channel,usMajorNo[%hu] usMinorNo[%hu]\n", WHERE,
             static_cast<unsigned short>(7), static_cast<unsigned short>(65535)),
        both("%s: %s(%d) > %s, %s", "channel.cpp", "items", 40, "7-1 KTV", "\"quoted\""),
        both(PREFIX "pChName : %s\n", WHERE, none),
        both("100%% done, %d%%", 0),
        both("no conversion at all"),
        both("width %5d and hex %x", 42, 255u),
        both("long: %s", long_text.c_str()),
    };
}

class LogFormat : public ::testing::TestWithParam<Formatted> {};

TEST_P(LogFormat, GivesWhatVsnprintfGives)
{
    EXPECT_EQ(GetParam().ours, GetParam().vsnprintfs);
}

INSTANTIATE_TEST_SUITE_P(ProviderFormats, LogFormat, ::testing::ValuesIn(cases()));

}  // namespace
