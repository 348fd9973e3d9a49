// The PIP connection through its state table, and the channel information
// that needs it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pip_service.h"
#include "pip_service_info.h"
#include "sim/control.h"

namespace picture {
namespace {

// "function: message" of every log line.
std::vector<std::string> log_lines()
{
    std::vector<std::string> lines;
    for (const sim::LogLine &l : sim::log())
        lines.push_back(l.function + ": " + l.message);
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
const char *const kGiveBack = "IReferenceCount::DecreaseCount()";

class PipConnectionState : public ::testing::Test {
protected:
    void SetUp() override { sim::reset(); }
    void TearDown() override { tv_pip_service_fini(); }
};

TEST_F(PipConnectionState, OpenOpenCloseClose)
{
    EXPECT_EQ(tv_pip_service_init(), 0);
    EXPECT_EQ(tv_pip_service_init(), 0);
    EXPECT_EQ(sim::state().tv.reference_count, 1);
    EXPECT_EQ(tv_pip_service_fini(), 0);
    EXPECT_TRUE(closed());
    EXPECT_EQ(tv_pip_service_fini(), -1);
    std::vector<std::string> calls = kOpenCalls;
    calls.push_back(kGiveBack);
    EXPECT_EQ(sim::journal(), calls) << "the second open creates nothing";
    EXPECT_EQ(log_lines(),
              (std::vector<std::string>{"tv_pip_service_init: g_pip_svc_info.refcnt[1]",
                                        "tv_pip_service_init: g_pip_svc_info.refcnt[1]",
                                        "tv_pip_service_fini: g_pip_svc_info.refcnt[0]"}));
}

// An increase that failed is given back all the same; the stand-in refuses it.
TEST_F(PipConnectionState, FailingOpenLeavesNoTraceAndTheNextOpenStartsAgain)
{
    const struct {
        const char *function;
        int result;
        std::optional<long long> out;  // 0: a null object
        std::size_t calls;             // open calls up to the failing one
        const char *line;
        bool gives_back;
    } steps[] = {{"TVServiceAPI::CreateServiceNavigation", -3, std::nullopt, 1,
                  "Create Service Navigation failed. nRetVal[-3]", false},
                 {"TVServiceAPI::CreateServiceNavigation", 0, 0, 1,
                  "Create Service Navigation failed. nRetVal[0]", false},
                 {"TVServiceAPI::CreateReferenceCount", 0, std::nullopt, 2,
                  "TVServiceAPI::CreateReferenceCount() failed", false},
                 {"IReferenceCount::IncreaseCount", 0, std::nullopt, 3,
                  "ref_proxy->IncreaseCount() failed. nRetVal[0]", true},
                 {"TVServiceAPI::CreateUtil", -1, std::nullopt, 4,
                  "TVServiceAPI::CreateUtil() failed. nRetVal[-1]", true},
                 {"TVServiceAPI::CreateUtil", 0, 0, 4,
                  "TVServiceAPI::CreateUtil() failed. nRetVal[0]", true}};
    for (const auto &s : steps) {
        SCOPED_TRACE(s.line);
        sim::reset();
        sim::force(s.function, s.result, s.out);
        EXPECT_EQ(tv_pip_service_init(), -1);
        EXPECT_TRUE(closed());
        std::vector<std::string> calls(kOpenCalls.begin(), kOpenCalls.begin() + s.calls);
        if (s.gives_back)
            calls.push_back(kGiveBack);
        EXPECT_EQ(sim::journal(), calls);
        std::vector<std::string> lines = log_lines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], std::string("InitServiceInfoPIP: ") + s.line);
        EXPECT_EQ(lines[1], "tv_pip_service_init: InitServiceInfoPIP() Failed.");
        sim::unforce(s.function);
        EXPECT_EQ(tv_pip_service_init(), 0);
        EXPECT_EQ(tv_pip_service_fini(), 0);
    }
}

// ---- channel information ------------------------------------------------------

// The last type name, an unknown type with minor 0, and absent numbers.
TEST_F(PipConnectionState, ChannelInfoDescribesTheCurrentPipChannel)
{
    const struct {
        std::map<int, unsigned long long> fields;
        int type;
        const char *type_name;
        unsigned short major, minor;
    } cases[] = {{{{1, 12}, {13, 7}, {14, 1}}, 12, "BS", 7, 1},
                 {{{1, 13}, {13, 5}, {14, 0}}, 0, nullptr, 5, 0xFFFF},
                 {{{1, 2}}, 2, "DTV Air", 0xFFFF, 0xFFFF}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        sim::reset();
        sim::state().tv.channels = {{c.fields, L"Only"}};
        EXPECT_EQ(tv_pip_service_channel_get_info(), nullptr) << "closed";
        ASSERT_EQ(tv_pip_service_init(), 0);
        tvs_ch_info_picture *info = tv_pip_service_channel_get_info();
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->ch_type, c.type);
        EXPECT_STREQ(info->ch_type_str, c.type_name);
        EXPECT_EQ(info->major_no, c.major);
        EXPECT_EQ(info->minor_no, c.minor);
        EXPECT_EQ(sim::log_messages().back(),
                  c.type_name ? "channel type:[" + std::to_string(c.type) + ":" + c.type_name + "]"
                              : "Can not getchannel type");
        tv_pip_service_channel_del_info(info);
        tv_pip_service_fini();
    }
}

}  // namespace
}  // namespace picture
