// The stand-in TV service where the provider's tests lean on it: forced
// factory results and outs, and PIP channel stepping past excluded services.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

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
