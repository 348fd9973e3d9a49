// The PIP channel key: stepping with set_string, the channel text of
// get_string and the channel list.
#include <string>
#include <vector>

#include "provider_fixture.h"

using ::testing::ElementsAre;

namespace test {
namespace {

const char *const kChannel = "menu/picture/pip/channel";

using PipChannelTest = PipTest;

// The line-up runs 7-1, 7-2, 9, (11-1, a data service that is skipped), 24.
TEST_F(PipChannelTest, StepReadsTheAntennaThenOpensStepsAndCloses)
{
    const std::pair<const char *, const char *> steps[] = {
        {"Up", "IServiceNavigation::GetNextService(criteria, out)"},
        {"Down", "IServiceNavigation::GetPreviousService(criteria, out)"},
        {"up", nullptr}};
    for (auto [value, move] : steps) {
        clear();
        EXPECT_EQ(set_string(kChannel, value), 0);
        std::vector<std::string> calls{"TVServiceAPI::CreateServiceNavigation(101, 0, out)",
                                       "IServiceNavigation::GetTvMode(out)",
                                       "TVServiceAPI::CreateServiceNavigation(101, 0, out)",
                                       "TVServiceAPI::CreateReferenceCount()",
                                       "IReferenceCount::IncreaseCount()",
                                       "TVServiceAPI::CreateUtil(out)"};
        if (move)
            for (const char *call :
                 {"IServiceNavigation::GetTvMode(out)",
                  "TCNavigationModeHelper::GetNavigationCriteria(0, {0, 0}, "
                  "criteria, 0xFFFFFFFFFFFFFFFF)",
                  "TCCriteriaHelper::Fetch(12)", "TCCriteriaHelper::Fetch(1)",
                  "TCCriteriaHelper::Fetch(13)", "TCCriteriaHelper::Fetch(14)",
                  "TCCriteriaHelper::Fetch(3)", "TCCriteriaHelper::WhereNot(1, 9)", move})
                calls.push_back(call);
        calls.push_back("IReferenceCount::DecreaseCount()");
        EXPECT_EQ(sim::journal(), calls) << value;
    }
}

TEST_F(PipChannelTest, StepWithoutAConnectionIsLoggedAndAnswersZero)
{
    sim::force("TVServiceAPI::CreateUtil", -1);
    EXPECT_EQ(set_string(kChannel, "Down"), 0);
    EXPECT_THAT(messages(),
                ElementsAre("Picture Menu set string[menu/picture/pip/channel] value[Down]",
                            "Set PIP channel.", "tvModePIP.antennaMode[0] tvModePIP.serviceMode[0]",
                            "TVServiceAPI::CreateUtil() failed. nRetVal[-1]",
                            "InitServiceInfoPIP() Failed.",
                            "tv_pip_service_init Failed. Cannot save pip channel.",
                            "g_pip_svc_info.refcnt[0]"));
    EXPECT_EQ(sim::state().tv.pip_channel, 0u);
}

TEST_F(PipChannelTest, TextIsTheMenuUtilitysChannelStringOrTheNoneId)
{
    int status = -5;
    EXPECT_EQ(text(PROVIDER_SLOT_GET_STRING, kChannel, &status), "7-1 KTV News");
    EXPECT_EQ(status, 0);
    sim::force("CMenuUtil::GetChannelString", -1);
    EXPECT_EQ(text(PROVIDER_SLOT_GET_STRING, kChannel, &status), "SID_NONE")
        << "the buffer goes to the host all the same";
    EXPECT_EQ(status, -1);
    EXPECT_THAT(messages(), ElementsAre("pChName : 7-1 KTV News", "GetChannelString fails"));
}

TEST_F(PipChannelTest, ListShowsNumberAndNameWithTheIdAsString)
{
    sim::state().tv.channels = {
        {{{1, 13}, {12, 2001}, {13, 5}, {14, 3}}, L"100% %s%n"},  // unknown type 13
        {{{1, 2}, {12, 2002}, {13, 6}}, L"No Minor"},
        {{{1, 2}, {12, 2003}, {13, 8}, {14, 0}}, L"Minor Zero"},
        {{{1, 9}, {12, 2004}, {13, 2}}, L"Data"},  // left out
        {{{1, 4}, {13, 3}, {14, 1}}, L"No Id"},    // and so no name
    };
    auto list = choices(kChannel);
    ASSERT_TRUE(list);
    EXPECT_THAT(*list,
                ElementsAre(Choice{0, "5-3 100% %s%n", "2001"}, Choice{0, "6 No Minor", "2002"},
                            Choice{0, "8 Minor Zero", "2003"},
                            Choice{0, "3-1 ", "18446744073709551615"}));
    std::vector<std::string> items;
    for (const sim::LogLine &line : sim::log())
        if (line.priority == 3 && !line.well_formed && line.raw.back() != '\n')
            items.push_back(line.function + ": " + line.message);
    EXPECT_THAT(items, ElementsAre("get_list_items: 2001, 5-3 100% %s%n",
                                   "get_list_items: 2002, 6 No Minor",
                                   "get_list_items: 2003, 8 Minor Zero",
                                   "get_list_items: 18446744073709551615, 3-1 "));
    EXPECT_THAT(messages(), ::testing::Contains("Get service name error").Times(1));
    // Newest first by the sort key, data services left out; a channel type
    // the TV service does not know is numbered as type 0.
    std::vector<std::string> shaping;
    for (const std::string &call : sim::journal())
        if (call.find("OrderBy") != std::string::npos ||
            call.rfind("TCCriteriaHelper::Where", 0) == 0 ||
            call.rfind("CTvService::ChannelNumberString", 0) == 0)
            shaping.push_back(call);
    EXPECT_THAT(shaping,
                ElementsAre("TCCriteriaHelper::RemoveOrderBy(9)",
                            "TCCriteriaHelper::RemoveOrderBy(13)",
                            "TCCriteriaHelper::OrderBy(9, 1)", "TCCriteriaHelper::WhereNot(1, 9)",
                            "CTvService::ChannelNumberString({0, 0}, 0, 5, 3)",
                            "CTvService::ChannelNumberString({0, 0}, 2, 6, 65535)",
                            "CTvService::ChannelNumberString({0, 0}, 2, 8, 0)",
                            "CTvService::ChannelNumberString({0, 0}, 4, 3, 1)"));
}

TEST_F(PipChannelTest, ListFailuresGiveNoListAndLeaveTheCount)
{
    const struct {
        const char *function;
        int result;
        std::optional<long long> out;
        const char *line;  // or null
    } failures[] = {
        {"IServiceNavigation::GetServiceList", -1, 2, "Get Channnel List failed [-1 2]\n\n"},
        {"IServiceNavigation::GetServiceList", 0, 0, "Get Channnel List failed [0 0]\n\n"},
        {"IServiceNavigation::GetTvMode", 0, std::nullopt, "GetTvMode Fails"},
        {"TVServiceAPI::CreateServiceNavigation", -1, std::nullopt, nullptr}};
    for (const auto &f : failures) {
        clear();
        sim::force(f.function, f.result, f.out);
        int count = 42;
        EXPECT_EQ(get_list_items(kChannel, &count), nullptr) << f.function;
        EXPECT_EQ(count, 42);
        std::vector<std::string> lines{"key :menu/picture/pip/channel"};
        if (f.line)
            lines.push_back(f.line);
        EXPECT_EQ(messages(), lines);
        sim::unforce(f.function);
    }
}

}  // namespace
}  // namespace test
