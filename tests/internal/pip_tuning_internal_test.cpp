// PIP service functions that the PIP service code offers but no operation of
// the table reaches: finding and tuning a channel by its numbers, and the PIP
// TV mode pair.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pip_service.h"
#include "sim/control.h"

namespace picture {
namespace {

// The service ids that SetService received.
std::vector<std::string> tuned()
{
    std::vector<std::string> ids;
    const std::string call = "IServiceNavigation::SetService(";
    for (const std::string &line : sim::journal())
        if (line.rfind(call, 0) == 0)
            ids.push_back(line.substr(call.size(), line.find(',') - call.size()));
    return ids;
}

class PipTuning : public ::testing::Test {
protected:
    void SetUp() override { sim::reset(); }
    void TearDown() override { tv_pip_service_fini(); }
};

// The line-up: 7-1 (1001), 7-2 (1002), 9 (1003), a data service 11-1, 24 (1005).
TEST_F(PipTuning, FindsTheFirstMatchByMajorAndWithAtscByMinorToo)
{
    const struct {
        bool atsc;
        unsigned short major;
        unsigned short minor;
        std::optional<std::string> service;
    } cases[] = {
        {false, 7, 3, "1001"},      {false, 24, 9, "1005"},       {true, 7, 2, "1002"},
        {true, 7, 3, std::nullopt}, {false, 11, 1, std::nullopt}, {false, 8, 0, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.major) + "-" + std::to_string(c.minor) +
                     (c.atsc ? " ATSC" : ""));
        sim::reset();
        sim::state().tv.atsc = c.atsc;
        ASSERT_EQ(tv_pip_service_init(), 0);
        sim::clear_journal();
        check_and_tune_channel(c.major, c.minor);
        EXPECT_EQ(tuned(),
                  c.service ? std::vector<std::string>{*c.service} : std::vector<std::string>{});
        EXPECT_THAT(sim::journal(), ::testing::Contains("TCCriteriaHelper::WhereNot(1, 9)"));
        tv_pip_service_fini();
    }
}

TEST_F(PipTuning, FindingWithoutAConnectionDoesNothing)
{
    check_and_tune_channel(7, 1);
    EXPECT_TRUE(sim::journal().empty());
}

TEST_F(PipTuning, TvModeIsTheAntennaModeZeroOrOne)
{
    for (int mode : {0, 1}) {
        sim::clear_journal();
        EXPECT_EQ(SetTvModePIP(mode), 0);
        EXPECT_THAT(sim::journal(),
                    ::testing::ElementsAre("TVServiceAPI::CreateServiceNavigation(101, 0, out)",
                                           "IServiceNavigation::SetTvMode({" +
                                               std::to_string(mode) + ", -1}, \"\")"));
        int read = -5;
        EXPECT_EQ(GetTvModePIP(&read), 0);
        EXPECT_EQ(read, mode);
    }
    sim::clear_journal();
    EXPECT_EQ(SetTvModePIP(2), -1);
    EXPECT_TRUE(sim::journal().empty()) << "an invalid mode reaches no TV service";
    EXPECT_THAT(sim::log_messages(), ::testing::Contains("Invalid argument"));
}

TEST_F(PipTuning, TvModeFailures)
{
    const struct {
        const char *function;
        int result;
        std::optional<long long> out;
        const char *line;
    } failures[] = {
        {"TVServiceAPI::CreateServiceNavigation", -1, std::nullopt,
         "Create Service Navigation failed"},
        {"IServiceNavigation::GetTvMode", 0, std::nullopt, "Get TV Mode failed"},
        {"IServiceNavigation::GetTvMode", 1, 2, "Invalid TV Mode: 2"},
    };
    for (const auto &f : failures) {
        SCOPED_TRACE(f.line);
        sim::reset();
        sim::force(f.function, f.result, f.out);
        int read = -5;
        EXPECT_EQ(GetTvModePIP(&read), -1);
        EXPECT_EQ(read, -5);
        EXPECT_THAT(sim::log_messages(), ::testing::ElementsAre(f.line));
    }
    sim::reset();
    sim::force("IServiceNavigation::SetTvMode", 0);
    EXPECT_EQ(SetTvModePIP(1), -1);
    EXPECT_THAT(sim::log_messages(), ::testing::ElementsAre("Set TV Mode failed"));
}

}  // namespace
}  // namespace picture
