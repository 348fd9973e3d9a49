// The PIP channel key: stepping with set_string, the channel text of
// get_string and the channel list.
#include <string>
#include <vector>

#include "provider_fixture.h"

using ::testing::ElementsAre;

namespace test {
namespace {

const char *const kChannel = "menu/picture/pip/channel";

class PipChannelTest : public ProviderTest {
protected:
    void TearDown() override
    {
        EXPECT_EQ(sim::state().tv.reference_count, 0) << "the PIP connection is closed again";
        ProviderTest::TearDown();
    }

    int set_string(const char *value) const
    {
        return op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(kChannel, value);
    }
};

struct Step {
    const char *value;
    std::size_t channel;  // where the PIP window is afterwards
    const char *move;     // the navigation call, or null
};

void PrintTo(const Step &s, std::ostream *os)
{
    *os << '"' << s.value << '"';
}

class ChannelStep : public PipChannelTest, public ::testing::WithParamInterface<Step> {};

TEST_P(ChannelStep, ReadsTheAntennaThenOpensStepsAndCloses)
{
    const Step &s = GetParam();
    EXPECT_EQ(set_string(s.value), 0);
    EXPECT_EQ(sim::state().tv.pip_channel, s.channel);
    std::vector<std::string> calls{"TVServiceAPI::CreateServiceNavigation(101, 0, out)",
                                   "IServiceNavigation::GetTvMode(out)",
                                   "TVServiceAPI::CreateServiceNavigation(101, 0, out)",
                                   "TVServiceAPI::CreateReferenceCount()",
                                   "IReferenceCount::IncreaseCount()",
                                   "TVServiceAPI::CreateUtil(out)"};
    if (s.move)
        for (const char *call :
             {"IServiceNavigation::GetTvMode(out)",
              "TCNavigationModeHelper::GetNavigationCriteria(0, {0, 0}, "
              "criteria, 0xFFFFFFFFFFFFFFFF)",
              "TCCriteriaHelper::Fetch(12)", "TCCriteriaHelper::Fetch(1)",
              "TCCriteriaHelper::Fetch(13)", "TCCriteriaHelper::Fetch(14)",
              "TCCriteriaHelper::Fetch(3)", "TCCriteriaHelper::WhereNot(1, 9)", s.move})
            calls.push_back(call);
    calls.push_back("IReferenceCount::DecreaseCount()");
    EXPECT_EQ(sim::journal(), calls);
}

// The line-up runs 7-1, 7-2, 9, (11-1, a data service that is skipped), 24.
INSTANTIATE_TEST_SUITE_P(
    Commands, ChannelStep,
    ::testing::Values(Step{"Up", 1, "IServiceNavigation::GetNextService(criteria, out)"},
                      Step{"Down", 4, "IServiceNavigation::GetPreviousService(criteria, out)"},
                      Step{"up", 0, nullptr}));

TEST_F(PipChannelTest, StepWithoutAConnectionIsLoggedAndAnswersZero)
{
    sim::force("TVServiceAPI::CreateUtil", -1);
    EXPECT_EQ(set_string("Down"), 0);
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
    auto get_string = op<provider_get_string_fn>(PROVIDER_SLOT_GET_STRING);
    auto release = op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING);
    char *text = nullptr;
    EXPECT_EQ(get_string(kChannel, &text), 0);
    EXPECT_STREQ(text, "7-1 KTV News");
    EXPECT_EQ(release(text), 0);
    sim::force("CMenuUtil::GetChannelString", -1);
    EXPECT_EQ(get_string(kChannel, &text), -1);
    EXPECT_STREQ(text, "SID_NONE") << "the buffer goes to the host all the same";
    EXPECT_EQ(release(text), 0);
    EXPECT_THAT(messages(), ElementsAre("pChName : 7-1 KTV News", "GetChannelString fails"));
}

TEST_F(PipChannelTest, ListShowsNumberAndNameWithTheIdAsString)
{
    sim::state().tv.channels = {
        {{{1, 13}, {12, 2001}, {13, 5}, {14, 3}}, L"100% %s%n"},  // type 13 counts as 0
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
}

struct ListFailure {
    const char *function;
    int result;
    std::optional<long long> out;
    const char *line;  // or null
};

void PrintTo(const ListFailure &f, std::ostream *os)
{
    *os << f.function << " " << f.result;
}

class ChannelListFailure : public PipChannelTest,
                           public ::testing::WithParamInterface<ListFailure> {};

TEST_P(ChannelListFailure, GivesNoListAndLeavesTheCount)
{
    sim::force(GetParam().function, GetParam().result, GetParam().out);
    int count = 42;
    EXPECT_EQ(get_list_items(kChannel, &count), nullptr);
    EXPECT_EQ(count, 42);
    std::vector<std::string> lines{"key :menu/picture/pip/channel"};
    if (GetParam().line)
        lines.push_back(GetParam().line);
    EXPECT_EQ(messages(), lines);
}

INSTANTIATE_TEST_SUITE_P(Failures, ChannelListFailure,
                         ::testing::Values(ListFailure{"IServiceNavigation::GetServiceList", -1, 2,
                                                       "Get Channnel List failed [-1 2]\n\n"},
                                           ListFailure{"IServiceNavigation::GetServiceList", 0, 0,
                                                       "Get Channnel List failed [0 0]\n\n"},
                                           ListFailure{"IServiceNavigation::GetTvMode", 0,
                                                       std::nullopt, "GetTvMode Fails"},
                                           ListFailure{"TVServiceAPI::CreateServiceNavigation", -1,
                                                       std::nullopt, nullptr}));

}  // namespace
}  // namespace test
