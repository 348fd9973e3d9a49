// The stand-in TV service: fault injection of its factories, PIP channel
// stepping and listing over the default line-up, ownership of listed
// records, and reset.
#include <gtest/gtest.h>

#include <list>
#include <optional>
#include <string>
#include <vector>

#include "menu_util.h"
#include "sim/control.h"
#include "tv_service.h"

namespace {

constexpr unsigned long long kAbsent = ~0ULL;

class SimTvService : public ::testing::Test {
protected:
    void SetUp() override { sim::reset(); }
    void TearDown() override { sim::reset(); }

    static IServiceNavigation *navigation(EProfile profile)
    {
        IServiceNavigation *n = nullptr;
        EXPECT_EQ(TVServiceAPI::CreateServiceNavigation(profile, 0, &n), 0);
        return n;
    }

    // Criteria as a PIP channel step builds them: data services left out.
    static void step_criteria(TCCriteriaHelper &c)
    {
        ASSERT_TRUE(TCNavigationModeHelper::GetNavigationCriteria(NAVIGATION_MODE_ALL,
                                                                  TSTvMode{0, 0}, c, kAbsent));
        for (int field : {12, 1, 13, 14, 3})
            c.Fetch(field);
        c.WhereNot(1, 9);
    }

    static unsigned long long field(const TCServiceData &s, int id)
    {
        const TSServiceField *f = s.GetField(id);
        return f ? f->value : kAbsent;
    }

    // Service ids of a list; deletes the records as their owner must.
    static std::vector<unsigned long long> take_ids(std::list<TCServiceData *> &services)
    {
        std::vector<unsigned long long> ids;
        for (TCServiceData *s : services) {
            ids.push_back(field(*s, 12));
            delete s;
        }
        services.clear();
        return ids;
    }
};

TEST_F(SimTvService, ForcedFactoryHandsOutWhatTheForcedOutSays)
{
    IServiceNavigation *pip = navigation(PROFILE_TYPE_PIP);
    IServiceNavigation *main_navigation = navigation(PROFILE_TYPE_MAIN);
    ASSERT_NE(pip, nullptr);
    ASSERT_NE(main_navigation, nullptr);
    EXPECT_NE(pip, main_navigation);
    EXPECT_EQ(navigation(PROFILE_TYPE_PIP), pip) << "one object per profile";

    struct Case {
        int result;
        std::optional<long long> out;
        IServiceNavigation *expected;  // the PIP object given in stays when untouched
    } cases[] = {
        {0, 0, nullptr},          // success with a null object
        {-1, std::nullopt, pip},  // failure leaves the out-parameter alone
        {-1, 1, main_navigation},
        {0, std::nullopt, pip},
    };
    for (const Case &c : cases) {
        sim::force("TVServiceAPI::CreateServiceNavigation", c.result, c.out);
        IServiceNavigation *got = pip;
        EXPECT_EQ(TVServiceAPI::CreateServiceNavigation(PROFILE_TYPE_MAIN, 0, &got), c.result);
        EXPECT_EQ(got, c.expected) << "result " << c.result;
    }

    sim::force("TVServiceAPI::CreateReferenceCount", 0);
    EXPECT_EQ(TVServiceAPI::CreateReferenceCount(), nullptr);
    sim::force("TVServiceAPI::CreateReferenceCount", 1);
    EXPECT_NE(TVServiceAPI::CreateReferenceCount(), nullptr);
}

TEST_F(SimTvService, StepsThePipChannelCyclicallyPastExcludedServices)
{
    // Line-up order 7-1, 7-2, 9, 11-1 (data service), 24.
    struct Case {
        std::size_t from;
        bool next;
        std::vector<unsigned long long> ids;
    } cases[] = {
        {0, true, {1002, 1003, 1005, 1001, 1002}},
        {0, false, {1005, 1003, 1002, 1001}},
        {3, true, {1005}},  // from the excluded channel: its neighbours
        {3, false, {1003}},
        {99, true, {1001}},  // no current channel: the ends of the order
        {99, false, {1005}},
    };
    IServiceNavigation *n = navigation(PROFILE_TYPE_PIP);
    for (const Case &c : cases) {
        sim::state().tv.pip_channel = c.from;
        TCCriteriaHelper criteria;
        step_criteria(criteria);
        std::vector<unsigned long long> ids;
        for (std::size_t i = 0; i < c.ids.size(); i++) {
            TCServiceData s;
            ASSERT_EQ(c.next ? n->GetNextService(criteria, s) : n->GetPreviousService(criteria, s),
                      1);
            ids.push_back(field(s, 12));
        }
        EXPECT_EQ(ids, c.ids) << "from " << c.from << (c.next ? " next" : " previous");
    }

    sim::state().tv.channels.clear();
    TCCriteriaHelper criteria;
    TCServiceData s;
    EXPECT_EQ(n->GetNextService(criteria, s), 0);
}

TEST_F(SimTvService, RecordsCarryOnlyTheFetchedFields)
{
    sim::state().tv.current_service[36] = 1;
    TCCriteriaHelper criteria;
    criteria.Fetch(36);
    TCServiceData s;
    ASSERT_EQ(navigation(PROFILE_TYPE_MAIN)->GetCurrentServiceInfo(TSTvMode{-1, -1}, criteria, s),
              1);
    EXPECT_EQ(field(s, 36), 1u);
    EXPECT_EQ(s.GetField(12), nullptr);

    TCServiceData copy(s);
    s.Clear();
    EXPECT_EQ(field(copy, 36), 1u) << "a copy keeps its own fields";
}

TEST_F(SimTvService, ListsMatchingServicesAsRecordsOfTheCaller)
{
    IServiceNavigation *n = navigation(PROFILE_TYPE_PIP);
    std::list<TCServiceData *> services;
    TCCriteriaHelper criteria;
    step_criteria(criteria);
    EXPECT_EQ(n->GetServiceList(criteria, services, TSTvMode{-1, -1}, 0, 0), 4);
    EXPECT_EQ(take_ids(services), (std::vector<unsigned long long>{1001, 1002, 1003, 1005}));

    // Descending by major; 7-1 and 7-2 keep their line-up order.
    criteria.RemoveOrderBy(13);
    criteria.OrderBy(13, SORT_ORDER_DESCENDING);
    n->GetServiceList(criteria, services, TSTvMode{-1, -1}, 0, 0);
    EXPECT_EQ(take_ids(services), (std::vector<unsigned long long>{1005, 1003, 1001, 1002}));

    sim::force("IServiceNavigation::GetServiceList", -1, 2);
    EXPECT_EQ(n->GetServiceList(criteria, services, TSTvMode{-1, -1}, 0, 0), -1);
    EXPECT_EQ(take_ids(services).size(), 2u);
}

TEST_F(SimTvService, JournalsCallsAndResetRestoresTheDefaults)
{
    IVideoControl *video = nullptr;
    ASSERT_EQ(TVServiceAPI::CreateVideoControl(PROFILE_TYPE_MAIN, 0, &video), 0);
    EXPECT_EQ(video->SetAspectRatio(PICTURESIZE_4_3, true), 0);
    EXPECT_EQ(video->SetAutoWideOption(true, false), 1);
    EXPECT_EQ(video->SetAspectRatio(static_cast<EPictureSizeType>(8), true), -1);
    EXPECT_EQ(sim::journal(), (std::vector<std::string>{
                                  "TVServiceAPI::CreateVideoControl(1, 0, out)",
                                  "IVideoControl::SetAspectRatio(3, 1)",
                                  "IVideoControl::SetAutoWideOption(1, 0)",
                                  "IVideoControl::SetAspectRatio(8, 1)",
                              }));
    EXPECT_EQ(sim::state().tv.picture_size, PICTURESIZE_4_3);

    EXPECT_EQ(video->ResetPicture(), 0);
    EXPECT_EQ(sim::state().tv.picture_size, PICTURESIZE_16_9);
    EXPECT_FALSE(sim::state().tv.auto_wide);
    EXPECT_EQ(sim::state().tv.picture_resets, 1);

    IUtil *util = nullptr;
    ASSERT_EQ(TVServiceAPI::CreateUtil(&util), 0);
    util->SelectMasterAudio(PROFILE_TYPE_PIP, 0);
    TVServiceAPI::CreateReferenceCount()->IncreaseCount();
    navigation(PROFILE_TYPE_PIP)->SetService(1005, 0, 0, "");
    sim::force("CMenuUtil::FlagATSC", 0);

    sim::reset();
    const sim::TvState &tv = sim::state().tv;
    EXPECT_EQ(tv.master_audio, PROFILE_TYPE_MAIN);
    EXPECT_EQ(tv.reference_count, 0);
    EXPECT_EQ(tv.pip_channel, 0u);
    EXPECT_EQ(tv.picture_resets, 0);
    EXPECT_EQ(tv.channels.size(), 5u);
    EXPECT_TRUE(CMenuUtil::FlagATSC()) << "reset clears forced results";
}

TEST_F(SimTvService, StopsOnCallsNoCallerMakes)
{
    IVideoControl *video = nullptr;
    EXPECT_DEATH(TVServiceAPI::CreateVideoControl(PROFILE_TYPE_MAIN, 1, &video),
                 "second argument other than 0");
}

TEST_F(SimTvService, DecreaseWithoutAReferenceFails)
{
    EXPECT_EQ(TVServiceAPI::CreateReferenceCount()->DecreaseCount(), 0);
    EXPECT_EQ(sim::state().tv.reference_count, 0);
}

}  // namespace
