// The PIP connection through its state table, and the channel functions that
// need it: tune, find and tune, channel information.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pip_service.h"
#include "pip_service_info.h"
#include "sim/control.h"

namespace picture {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Lines = std::vector<std::pair<std::string, std::string>>;  // function, message

Lines log_lines()
{
    Lines lines;
    for (const sim::LogLine &l : sim::log())
        lines.emplace_back(l.function, l.message);
    return lines;
}

bool closed()
{
    const _tv_pip_service_info &info = g_pip_svc_info;
    return info.refcnt == 0 && !info.svc_navi_proxy_pip && !info.ref_proxy && !info.util_proxy &&
           sim::state().tv.reference_count == 0;
}

const std::vector<std::string> kOpenCalls = {
    "TVServiceAPI::CreateServiceNavigation(101, 0, out)", "TVServiceAPI::CreateReferenceCount()",
    "IReferenceCount::IncreaseCount()", "TVServiceAPI::CreateUtil(out)"};

class PipConnection : public ::testing::Test {
protected:
    void SetUp() override { sim::reset(); }
    void TearDown() override
    {
        if (g_pip_svc_info.refcnt > 0)
            tv_pip_service_fini();
    }
};

TEST_F(PipConnection, OpenOpenCloseClose)
{
    EXPECT_EQ(tv_pip_service_init(), 0);
    EXPECT_EQ(tv_pip_service_init(), 0);
    EXPECT_EQ(g_pip_svc_info.refcnt, 1);
    EXPECT_EQ(sim::state().tv.reference_count, 1);
    EXPECT_EQ(sim::journal(), kOpenCalls) << "the second open creates nothing";
    EXPECT_EQ(tv_pip_service_fini(), 0);
    EXPECT_TRUE(closed());
    EXPECT_EQ(tv_pip_service_fini(), -1);
    EXPECT_TRUE(closed());
    EXPECT_EQ(sim::journal().back(), "IReferenceCount::DecreaseCount()");
    EXPECT_EQ(sim::journal().size(), kOpenCalls.size() + 1);
    EXPECT_EQ(log_lines(), (Lines{{"tv_pip_service_init", "g_pip_svc_info.refcnt[1]"},
                                  {"tv_pip_service_init", "g_pip_svc_info.refcnt[1]"},
                                  {"tv_pip_service_fini", "g_pip_svc_info.refcnt[0]"}}));
}

TEST_F(PipConnection, FailedDecreaseIsLoggedAndTheConnectionStillCloses)
{
    ASSERT_EQ(tv_pip_service_init(), 0);
    sim::force("IReferenceCount::DecreaseCount", 0);
    EXPECT_EQ(tv_pip_service_fini(), 0);
    EXPECT_EQ(g_pip_svc_info.refcnt, 0);
    EXPECT_EQ(g_pip_svc_info.ref_proxy, nullptr);
    EXPECT_EQ(sim::log_messages().back(), "ref_proxy->DecreaseCount() failed");
    sim::state().tv.reference_count = 0;
}

// One open step failing: its line, then the close steps.
struct FailingStep {
    const char *name;
    const char *function;
    int result;
    std::optional<long long> out;
    std::size_t calls;  // open calls made up to the failing one
    const char *line;
    bool gives_back;  // DecreaseCount is called
    const char *give_back_line;
};

void PrintTo(const FailingStep &s, std::ostream *os)
{
    *os << s.name;
}

class FailingOpen : public PipConnection, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(FailingOpen, LeavesTheConnectionClosed)
{
    const FailingStep &s = GetParam();
    sim::force(s.function, s.result, s.out);
    EXPECT_EQ(tv_pip_service_init(), -1);
    EXPECT_TRUE(closed());
    std::vector<std::string> calls(kOpenCalls.begin(), kOpenCalls.begin() + s.calls);
    if (s.gives_back)
        calls.push_back("IReferenceCount::DecreaseCount()");
    EXPECT_EQ(sim::journal(), calls);
    Lines lines{{"InitServiceInfoPIP", s.line},
                {"tv_pip_service_init", "InitServiceInfoPIP() Failed."}};
    if (s.give_back_line)
        lines.emplace_back("FinalizeServiceInfoPIP", s.give_back_line);
    EXPECT_EQ(log_lines(), lines);
    sim::unforce(s.function);
    EXPECT_EQ(tv_pip_service_init(), 0) << "the next open starts again";
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, FailingOpen,
    ::testing::Values(
        FailingStep{"NavigationFails", "TVServiceAPI::CreateServiceNavigation", -3, std::nullopt, 1,
                    "Create Service Navigation failed. nRetVal[-3]", false, nullptr},
        FailingStep{"NavigationNull", "TVServiceAPI::CreateServiceNavigation", 0, 0, 1,
                    "Create Service Navigation failed. nRetVal[0]", false, nullptr},
        FailingStep{"NoReferenceCount", "TVServiceAPI::CreateReferenceCount", 0, std::nullopt, 2,
                    "TVServiceAPI::CreateReferenceCount() failed", false, nullptr},
        FailingStep{"IncreaseFails", "IReferenceCount::IncreaseCount", 0, std::nullopt, 3,
                    "ref_proxy->IncreaseCount() failed. nRetVal[0]", true,
                    "ref_proxy->DecreaseCount() failed"},
        FailingStep{"UtilFails", "TVServiceAPI::CreateUtil", -1, std::nullopt, 4,
                    "TVServiceAPI::CreateUtil() failed. nRetVal[-1]", true, nullptr},
        FailingStep{"UtilNull", "TVServiceAPI::CreateUtil", 0, 0, 4,
                    "TVServiceAPI::CreateUtil() failed. nRetVal[0]", true, nullptr}),
    [](const auto &row) { return std::string(row.param.name); });

// ---- channel functions on an open connection --------------------------------

class PipChannelFunctions : public PipConnection {
protected:
    void SetUp() override
    {
        PipConnection::SetUp();
        ASSERT_EQ(tv_pip_service_init(), 0);
        sim::clear_log();
        sim::clear_journal();
    }
};

struct InfoCase {
    std::map<int, unsigned long long> fields;
    int type;
    const char *type_name;
    unsigned short major, minor;
    const char *type_line;
};

class ChannelInfo : public PipChannelFunctions, public ::testing::WithParamInterface<InfoCase> {};

TEST_P(ChannelInfo, DescribesTheCurrentPipChannel)
{
    const InfoCase &c = GetParam();
    sim::state().tv.channels = {{c.fields, L"Only"}};
    tvs_ch_info_picture *info = tv_pip_service_channel_get_info();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->ch_type, c.type);
    EXPECT_STREQ(info->ch_type_str, c.type_name);
    EXPECT_EQ(info->major_no, c.major);
    EXPECT_EQ(info->minor_no, c.minor);
    EXPECT_EQ(sim::log_messages().back(), c.type_line);
    tv_pip_service_channel_del_info(info);
}

INSTANTIATE_TEST_SUITE_P(
    LineUps, ChannelInfo,
    ::testing::Values(
        InfoCase{{{1, 2}, {13, 7}, {14, 1}}, 2, "DTV Air", 7, 1, "channel type:[2:DTV Air]"},
        InfoCase{{{1, 12}, {13, 9}, {14, 0}}, 12, "BS", 9, 0xFFFF, "channel type:[12:BS]"},
        InfoCase{{{1, 13}, {13, 5}}, 0, nullptr, 5, 0xFFFF, "Can not getchannel type"},
        InfoCase{{}, 0, nullptr, 0xFFFF, 0xFFFF, "Can not getchannel type"}));

TEST_F(PipChannelFunctions, InfoFailsWithoutAConnectionOrCurrentService)
{
    sim::force("IServiceNavigation::GetCurrentServiceInfo", 0);
    EXPECT_EQ(tv_pip_service_channel_get_info(), nullptr);
    EXPECT_EQ(sim::log_messages().back(), "get current service info failed,ret value 0");
    tv_pip_service_fini();
    EXPECT_EQ(tv_pip_service_channel_get_info(), nullptr);
    EXPECT_EQ(sim::log_messages().back(), "g_pip_svc_info.refcnt <= 0");
    EXPECT_EQ(tv_pip_service_channel_tune(1002), -1);
}

struct FindCase {
    bool atsc;
    unsigned short major, minor;
    std::size_t tuned;  // index of the channel the PIP window shows afterwards
    std::vector<std::string> lines;
};

class FindAndTune : public PipChannelFunctions, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindAndTune, TunesTheFirstMatchingChannel)
{
    const FindCase &c = GetParam();
    sim::state().tv.atsc = c.atsc;
    sim::state().tv.pip_channel = 4;
    check_and_tune_channel(c.major, c.minor);
    EXPECT_EQ(sim::state().tv.pip_channel, c.tuned);
    std::vector<std::string> lines{"", "tvmode.antennaMode[0] tvmode.serviceMode[0] navimode[0]"};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(sim::log_messages(), lines);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultLineUp, FindAndTune,
    ::testing::Values(FindCase{true,
                               7,
                               2,
                               1,
                               {"usMajorNo[7] usMinorNo[1]",
                                "find channel,usMajorNo[7] usMinorNo[2]", "", "Service id 1002",
                                "Set service succ.", "ServiceID[1002] "}},
                      FindCase{false,
                               7,
                               3,
                               0,
                               {"find channel,usMajorNo[7] usMinorNo[1]", "", "Service id 1001",
                                "Set service succ.", "ServiceID[1001] "}},
                      FindCase{true,
                               30,
                               0,
                               4,
                               {"usMajorNo[7] usMinorNo[1]", "usMajorNo[7] usMinorNo[2]",
                                "usMajorNo[9] usMinorNo[0]", "usMajorNo[24] usMinorNo[65535]"}}));

TEST_F(PipChannelFunctions, TuneReportsARefusedService)
{
    sim::force("IServiceNavigation::SetService", 0);
    EXPECT_EQ(tv_pip_service_channel_tune(77), -1);
    EXPECT_THAT(sim::log_messages(),
                ElementsAre("", "Service id 77", "Set service failed,ret value 0"));
    EXPECT_THAT(sim::journal(), ElementsAre("IServiceNavigation::SetService(77, 0, 0, \"\")"));
}

}  // namespace
}  // namespace picture
