// The PIP keys: size and position in the store, the antenna through the menu
// utility, the source with its availability check and list, and the sound
// select around the PIP connection.
#include <string>
#include <vector>

#include "provider_fixture.h"

using ::testing::Contains;
using ::testing::ElementsAre;

namespace test {
namespace {

const char *const kSource = "db/menu/picture/pip/source";
const char *const kSoundSelect = "menu/picture/pip/pipss";

class PipKeysTest : public ProviderTest {
protected:
    void TearDown() override
    {
        EXPECT_EQ(sim::state().tv.reference_count, 0) << "the PIP connection is closed again";
        ProviderTest::TearDown();
    }
};

TEST_F(PipKeysTest, SizeAndPositionAnswerOneEvenWhenTheStoreWorked)
{
    sim::state().vconf_int["db/menu/picture/pip/pipsize"] = 2;
    int v = 0;
    EXPECT_EQ(get_int("menu/picture/pip/pipsize", &v), 1);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(set_int_pre("menu/picture/pip/pippos", 3), 1);
    EXPECT_EQ(sim::state().vconf_int["db/menu/picture/pip/pippos"], 3);
    EXPECT_EQ(messages().back(), "ret = [-1]:otherwise");
}

TEST_F(PipKeysTest, AntennaAnswersTheMenuUtilitysResultWithoutExitLines)
{
    sim::state().tv.pip_antenna_mode = 4;
    int v = 0;
    EXPECT_EQ(get_int("menu/picture/pip/antenna", &v), 0);
    EXPECT_EQ(v, 4);
    sim::force("CAntennaUtil::SetAntennaMode", 7);
    EXPECT_EQ(set_int("menu/picture/pip/antenna", 2), 7);
    EXPECT_EQ(messages().size(), 4u) << "entry and lookup lines only";
    auto list = choices("menu/picture/pip/antenna");
    ASSERT_EQ(list->size(), 40u);
    EXPECT_EQ(list->back(), (Choice{39, "Antenna 39", std::nullopt}));
}

// ---- sound select ------------------------------------------------------------

TEST_F(PipKeysTest, SoundSelectReadAnswersMainOnlyForTheMainProfile)
{
    for (auto [profile, answer] : {std::pair{1, 0}, std::pair{101, 1}, std::pair{7, 1}}) {
        sim::state().tv.master_audio = static_cast<EProfile>(profile);
        int v = -1;
        EXPECT_EQ(get_int(kSoundSelect, &v), 0);
        EXPECT_EQ(v, answer) << profile;
    }
}

TEST_F(PipKeysTest, SoundSelectReadFailureAnswersMain)
{
    sim::force("IUtil::GetMasterAudio", 0);
    int v = 5;
    EXPECT_EQ(get_int(kSoundSelect, &v), 1);
    EXPECT_EQ(v, 0);
    EXPECT_THAT(messages(),
                ElementsAre("Picture Menu get_int key: menu/picture/pip/pipss", " size: 71 ",
                            "g_pip_svc_info.refcnt[1]", "",
                            "GetMasterAudio Error,using Main audio default.",
                            "Get sound select from tvs errer", "Using Main Audio for Deafault",
                            "PIcture Menu get key: menu/picture/pip/pipss, value: 0",
                            "ret = [-1]:otherwise"));
}

TEST_F(PipKeysTest, SoundSelectWriteSelectsTheMasterAudio)
{
    EXPECT_EQ(set_int(kSoundSelect, 5), 0);
    EXPECT_EQ(sim::state().tv.master_audio, PROFILE_TYPE_PIP);
    EXPECT_THAT(sim::journal(),
                ElementsAre("TVServiceAPI::CreateServiceNavigation(101, 0, out)",
                            "TVServiceAPI::CreateReferenceCount()",
                            "IReferenceCount::IncreaseCount()", "TVServiceAPI::CreateUtil(out)",
                            "IUtil::SelectMasterAudio(101, 0)",
                            "IReferenceCount::DecreaseCount()"));
    EXPECT_EQ(set_int(kSoundSelect, 0), 0);
    EXPECT_EQ(sim::state().tv.master_audio, PROFILE_TYPE_MAIN);
    sim::force("IUtil::SelectMasterAudio", -2);
    clear();
    EXPECT_EQ(set_int(kSoundSelect, 1), 1);
    EXPECT_THAT(messages(), ::testing::IsSupersetOf({"Set util sound select failed,ret value -2",
                                                     "Set sound select from tvs errer"}));
    sim::force("TVServiceAPI::CreateUtil", -1);
    int v = 9;
    EXPECT_EQ(set_int(kSoundSelect, 1), 1);
    EXPECT_EQ(get_int(kSoundSelect, &v), 1);
    EXPECT_EQ(v, 9);
    EXPECT_THAT(messages(), Contains("tv_pip_service_init fail").Times(2));
}

// ---- source ------------------------------------------------------------------

const int kFallbackOrder[] = {0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

struct SourceCheck {
    int stored;
    std::vector<int> unavailable;
    int answer;
    int checked;  // candidates looked at
};

void PrintTo(const SourceCheck &c, std::ostream *os)
{
    *os << "stored " << c.stored << ", answer " << c.answer;
}

class SourceAvailability : public PipKeysTest, public ::testing::WithParamInterface<SourceCheck> {};

TEST_P(SourceAvailability, RepairsAnUnavailableStoredSource)
{
    const SourceCheck &c = GetParam();
    sim::state().vconf_int[kSource] = c.stored;
    for (int source : c.unavailable)
        sim::state().tv.source_status[source] = SOURCE_STATUS_NOT_AVAILABLE;
    int v = -1;
    EXPECT_EQ(get_int(kSource, &v), 1);
    EXPECT_EQ(v, c.answer);
    EXPECT_EQ(sim::state().vconf_int[kSource], c.answer);
    int checked = 0;
    for (const std::string &line : messages())
        checked += line.rfind(" source : ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(checked, c.checked);
    EXPECT_EQ(sim::journal().size(), c.checked ? 5u : 2u) << "source control only to repair";
}

INSTANTIATE_TEST_SUITE_P(
    StatusMaps, SourceAvailability,
    ::testing::Values(SourceCheck{13, {5, 0}, 13, 0}, SourceCheck{5, {5, 0}, 1, 2},
                      SourceCheck{14, {0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 0, 14}));

TEST_F(PipKeysTest, SourceCheckFailuresReturnMinusOneDirectly)
{
    int v = 0;
    sim::state().tv.source_status[0] = SOURCE_STATUS_NOT_AVAILABLE;
    sim::force("ISourceControl::CheckSourceStatus", 0);
    EXPECT_EQ(get_int(kSource, &v), -1);
    EXPECT_EQ(messages().back(), "CheckSourceStatus fails 0");
    sim::force("ISourceControl::CheckSourceStatus", 1);  // an empty map: all count as available
    EXPECT_EQ(get_int(kSource, &v), 1);
    EXPECT_THAT(messages(), Contains("available source found : 0"));
    sim::force("TVServiceAPI::CreateSourceControl", 3);
    EXPECT_EQ(get_int(kSource, &v), -1);
    EXPECT_EQ(messages().back(), "CreateSourceControl fails 3 0");
}

TEST_F(PipKeysTest, SettingTheSourceStoresItOnlyWhenTheTvServiceTookIt)
{
    EXPECT_EQ(set_int(kSource, 14), 1);
    EXPECT_EQ(sim::state().tv.pip_source, 14);
    sim::force("ISourceControl::SetSource", 2);
    EXPECT_EQ(set_int_pre(kSource, 15), 1);
    EXPECT_EQ(sim::state().vconf_int[kSource], 14);
    sim::unforce("ISourceControl::SetSource");
    sim::force("vconf_set_int", -1);
    EXPECT_EQ(set_int(kSource, 13), 1);
    EXPECT_THAT(messages(), ::testing::IsSupersetOf({"SetSource fails", "SetPIPSource fails"}));
}

TEST_F(PipKeysTest, SourceListLabelsFollowTheNumberOfInputs)
{
    sim::state().system_info[122] = 1;
    sim::state().system_info[111] = 2;
    std::vector<Choice> expected;
    const char *labels[] = {"SID_TV",        "SID_AV1",       "SID_AV2",       "SID_AV3",
                            "SID_COMPONENT", "SID_COMPONENT", "SID_COMPONENT", "SID_PC",
                            "SID_PC",        "SID_PC",        "SID_HDMI",      "SID_HDMI2",
                            "SID_HDMI3",     "SID_HDMI4"};
    for (int i = 0; i < 14; ++i)
        expected.push_back(Choice{kFallbackOrder[i], labels[i], std::nullopt});
    EXPECT_EQ(*choices(kSource), expected);
    sim::force("system_info_get_value_int", -1);  // three inputs of each kind
    EXPECT_EQ((*choices(kSource))[10].display, "SID_HDMI1");
}

}  // namespace
}  // namespace test
