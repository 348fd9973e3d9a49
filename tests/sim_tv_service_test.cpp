// The stand-in TV service where the provider's tests lean on it: forced
// factory results and outs, profiles it does not know, the reference count,
// forced outcomes it turns down, and PIP channel stepping past excluded
// services.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

#include "menu_util.h"
#include "sim/control.h"
#include "tv_service.h"

namespace {

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
};

TEST_F(SimTvService, ForcedFactoryHandsOutWhatTheForcedOutSays)
{
    IServiceNavigation *pip = navigation(PROFILE_TYPE_PIP);
    IServiceNavigation *main_navigation = navigation(PROFILE_TYPE_MAIN);
    ASSERT_NE(pip, nullptr);
    EXPECT_NE(pip, main_navigation);
    struct Case {
        int result;
        std::optional<long long> out;
        IServiceNavigation *expected;  // the PIP object given in stays when untouched
    } cases[] = {{0, 0, nullptr}, {-1, std::nullopt, pip}, {-1, 1, main_navigation}};
    for (const Case &c : cases) {
        sim::force("TVServiceAPI::CreateServiceNavigation", c.result, c.out);
        IServiceNavigation *got = pip;
        EXPECT_EQ(TVServiceAPI::CreateServiceNavigation(PROFILE_TYPE_MAIN, 0, &got), c.result);
        EXPECT_EQ(got, c.expected) << "result " << c.result;
    }
    sim::force("TVServiceAPI::CreateReferenceCount", 0);
    EXPECT_EQ(TVServiceAPI::CreateReferenceCount(), nullptr);
    sim::reset();
    EXPECT_NE(TVServiceAPI::CreateReferenceCount(), nullptr) << "reset clears forced results";
}

// A profile that the forced current profile names is answered, not stopped.
TEST_F(SimTvService, FactoriesRefuseAProfileTheyDoNotKnow)
{
    for (int profile : {0, 2, -1, 100, 102}) {
        auto p = static_cast<EProfile>(profile);
        IVideoControl *video = nullptr;
        IAVControl *av = nullptr;
        ISourceControl *source = nullptr;
        IServiceNavigation *navigation = nullptr;
        EXPECT_EQ(TVServiceAPI::CreateVideoControl(p, 0, &video), -1) << profile;
        EXPECT_EQ(TVServiceAPI::CreateAVControl(p, 0, &av), -1) << profile;
        EXPECT_EQ(TVServiceAPI::CreateSourceControl(p, 0, &source), -1) << profile;
        EXPECT_EQ(TVServiceAPI::CreateServiceNavigation(p, 0, &navigation), -1) << profile;
        EXPECT_TRUE(!video && !av && !source && !navigation) << profile;
        EXPECT_EQ(CMenuUtil::GetSourceStatus(SOURCE_TV, p), SOURCE_STATUS_NOT_AVAILABLE);
    }
}

// Calls on a profile whose values the stand-in does not keep fail, as a TV
// refuses what a picture does not have; the state stays as it was.
TEST_F(SimTvService, CallsOnProfilesItDoesNotKeepFail)
{
    IVideoControl *pip_video = nullptr;
    ISourceControl *main_source = nullptr;
    IUtil *util = nullptr;
    ASSERT_EQ(TVServiceAPI::CreateVideoControl(PROFILE_TYPE_PIP, 0, &pip_video), 0);
    ASSERT_EQ(TVServiceAPI::CreateSourceControl(PROFILE_TYPE_MAIN, 0, &main_source), 0);
    ASSERT_EQ(TVServiceAPI::CreateUtil(&util), 0);
    IServiceNavigation *main_navigation = navigation(PROFILE_TYPE_MAIN);
    EPictureSizeType size = PICTURESIZE_16_9;
    EMenuAntennaType antenna = MENU_ANTENNA_TYPE_AIR;
    TCCriteriaHelper criteria;
    TCServiceData service;
    const sim::TvState before = sim::state().tv;
    const struct {
        const char *call;
        int result;
        int failure;
    } cases[] = {
        {"PIP GetPictureSize", pip_video->GetPictureSize(&size), -1},
        {"PIP SetAspectRatio", pip_video->SetAspectRatio(PICTURESIZE_4_3, true), -1},
        {"PIP SetScreenFitOption", pip_video->SetScreenFitOption(SCREENFITOPTION_AUTO, true), -1},
        {"main SetSource", main_source->SetSource(SOURCE_TV, ""), 0},
        {"main GetNextService", main_navigation->GetNextService(criteria, service), 0},
        {"main GetAntennaMode", CAntennaUtil::GetAntennaMode(&antenna, PROFILE_TYPE_MAIN), -1},
        {"main SetAntennaMode", CAntennaUtil::SetAntennaMode(antenna, PROFILE_TYPE_MAIN), -1},
        {"unknown SelectMasterAudio", util->SelectMasterAudio(static_cast<EProfile>(7), 0), 0},
        {"unknown navigation mode",
         TCNavigationModeHelper::GetNavigationCriteria(static_cast<ENavigationMode>(3),
                                                       TSTvMode{0, 0}, criteria, ~0ULL),
         0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.result, c.failure) << c.call;
    EXPECT_EQ(sim::state().tv.picture_size, before.picture_size);
    EXPECT_EQ(sim::state().tv.pip_channel, before.pip_channel);
    EXPECT_EQ(sim::state().tv.master_audio, before.master_audio);
}

// Each release is owed by one increase, counted or forced; one more shows.
TEST_F(SimTvService, ReferenceCountShowsADoubleRelease)
{
    struct Case {
        const char *name;
        bool forced_increase;
        int releases;
        std::vector<int> results;  // of the releases
        int count;                 // afterwards
    } cases[] = {{"increase, release", false, 1, {1}, 0},
                 {"forced increase, release", true, 1, {0}, 0},
                 {"increase, release twice", false, 2, {1, 0}, -1},
                 {"forced increase, release twice", true, 2, {0, 0}, -1}};
    for (const Case &c : cases) {
        sim::reset();
        if (c.forced_increase)
            sim::force("IReferenceCount::IncreaseCount", 0);
        IReferenceCount *ref = TVServiceAPI::CreateReferenceCount();
        ref->IncreaseCount();
        std::vector<int> results;
        for (int i = 0; i < c.releases; i++)
            results.push_back(ref->DecreaseCount());
        EXPECT_EQ(results, c.results) << c.name;
        EXPECT_EQ(sim::state().tv.reference_count, c.count) << c.name;
    }
}

// A forced success of a function that has to make something is turned down
// with the reason; its failures are taken.
TEST_F(SimTvService, ForceTurnsDownWhatItCannotGive)
{
    struct Case {
        const char *function;
        int result;
        std::optional<long long> out;
        const char *reason;  // null: taken
    } cases[] = {
        {"app_control_create", 0, std::nullopt,
         "app_control_create: a forced success would make nothing"},
        {"app_control_create", 0, 1, nullptr},
        {"app_control_create", -1, std::nullopt, nullptr},
        {"app_control_create", -1, 1, "app_control_create: a failure hands out no handle"},
        {"app_context_manager_init", 0, std::nullopt, "app_context_manager_init: a forced success"},
        {"app_context_manager_init", 5, std::nullopt, nullptr},
        {"CTvService::GetCurrentProfile", -1, std::nullopt, nullptr},
        {"avoc_get_nothing", 0, std::nullopt, "not a platform function: avoc_get_nothing"},
    };
    for (const Case &c : cases) {
        sim::reset();
        try {
            sim::force(c.function, c.result, c.out);
            EXPECT_EQ(c.reason, nullptr) << c.function << " " << c.result << " taken";
            EXPECT_EQ(sim::forced().at(c.function).result, c.result);
        } catch (const std::invalid_argument &e) {
            ASSERT_NE(c.reason, nullptr) << e.what();
            EXPECT_EQ(std::string(e.what()).rfind(c.reason, 0), 0u) << e.what();
            EXPECT_TRUE(sim::forced().empty());
        }
    }
}

TEST_F(SimTvService, StepsThePipChannelCyclicallyPastExcludedServices)
{
    // Line-up order 7-1, 7-2, 9, 11-1 (data service), 24.
    struct Case {
        std::size_t from;
        bool next;
        std::vector<unsigned long long> ids;
    } cases[] = {
        {0, true, {1002, 1003, 1005, 1001}},
        {0, false, {1005, 1003, 1002, 1001}},
        {3, true, {1005}},  // from the excluded channel: its neighbours
        {3, false, {1003}},
    };
    IServiceNavigation *n = navigation(PROFILE_TYPE_PIP);
    for (const Case &c : cases) {
        sim::state().tv.pip_channel = c.from;
        // Criteria as a PIP channel step builds them: data services left out.
        TCCriteriaHelper criteria;
        ASSERT_TRUE(TCNavigationModeHelper::GetNavigationCriteria(NAVIGATION_MODE_ALL,
                                                                  TSTvMode{0, 0}, criteria, ~0ULL));
        criteria.Fetch(12);
        criteria.WhereNot(1, 9);
        std::vector<unsigned long long> ids;
        for (std::size_t i = 0; i < c.ids.size(); i++) {
            TCServiceData s;
            ASSERT_EQ(c.next ? n->GetNextService(criteria, s) : n->GetPreviousService(criteria, s),
                      1);
            ids.push_back(s.GetField(12)->value);
        }
        EXPECT_EQ(ids, c.ids) << "from " << c.from << (c.next ? " next" : " previous");
    }
}

}  // namespace
