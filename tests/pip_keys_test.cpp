// The PIP keys: size and position in the store, the antenna through the
// menu utility, the source with its availability check and list, and the
// sound select around the PIP connection.
#include <algorithm>
#include <string>

#include "provider_fixture.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

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
    EXPECT_EQ(messages().back(), "ret = [-1]:otherwise");
    EXPECT_EQ(set_int_pre("menu/picture/pip/pippos", 3), 1);
    EXPECT_EQ(sim::state().vconf_int["db/menu/picture/pip/pippos"], 3);
    clear();
    sim::force("vconf_set_int", -5);
    EXPECT_EQ(set_int("menu/picture/pip/pipsize", 1), 1);
    EXPECT_THAT(messages(),
                ElementsAre("Picture Menu set_int key: menu/picture/pip/pipsize, value: 1",
                            " size: 71 ",
                            " vconf_set_int KEY [db/menu/picture/pip/pipsize] fail, ret = [-5] ",
                            "Picture Menu set key: menu/picture/pip/pipsize, value: 1",
                            "ret = [-1]:otherwise"));
}

TEST_F(PipKeysTest, AntennaAnswersTheMenuUtilitysResultDirectly)
{
    sim::state().tv.pip_antenna_mode = 4;
    int v = 0;
    EXPECT_EQ(get_int("menu/picture/pip/antenna", &v), 0);
    EXPECT_EQ(v, 4);
    sim::force("CAntennaUtil::SetAntennaMode", 7);
    EXPECT_EQ(set_int("menu/picture/pip/antenna", 2), 7);
    EXPECT_THAT(messages(),
                ElementsAre("Picture Menu get_int key: menu/picture/pip/antenna", " size: 71 ",
                            "Picture Menu set_int key: menu/picture/pip/antenna, value: 2",
                            " size: 71 "));
}

TEST_F(PipKeysTest, AntennaListNamesFortyTypes)
{
    auto list = choices("menu/picture/pip/antenna");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 40u);
    for (int type = 0; type < 40; ++type) {
        EXPECT_EQ((*list)[type].value, type);
        EXPECT_FALSE((*list)[type].string);
        EXPECT_FALSE((*list)[type].display.empty());
    }
}

// ---- sound select ----------------------------------------------------------

struct SoundRead {
    int profile;
    int answer;
    const char *line;
};

class SoundSelectRead : public PipKeysTest, public ::testing::WithParamInterface<SoundRead> {};

TEST_P(SoundSelectRead, AnswersMainOnlyForTheMainProfile)
{
    sim::state().tv.master_audio = static_cast<EProfile>(GetParam().profile);
    int v = -1;
    EXPECT_EQ(get_int(kSoundSelect, &v), 0);
    EXPECT_EQ(v, GetParam().answer);
    EXPECT_THAT(messages(),
                ElementsAre("Picture Menu get_int key: menu/picture/pip/pipss", " size: 71 ",
                            "g_pip_svc_info.refcnt[1]", "",
                            "GetMasterAudio [" + std::to_string(GetParam().profile) + "]",
                            GetParam().line,
                            "PIcture Menu get key: menu/picture/pip/pipss, value: " +
                                std::to_string(GetParam().answer),
                            "ret = [0]:success"));
}

INSTANTIATE_TEST_SUITE_P(Profiles, SoundSelectRead,
                         ::testing::Values(SoundRead{1, 0, "Get sound select Main"},
                                           SoundRead{101, 1, "Get sound select PIP"},
                                           SoundRead{7, 1, "Get sound select PIP"}));

TEST_F(PipKeysTest, SoundSelectReadFailureAnswersMainAndCloses)
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
    EXPECT_THAT(messages(),
                ::testing::Contains("Set PIP Audio,SelectMasterAudio [PROFILE_TYPE_PIP]"));
    clear();
    sim::force("IUtil::SelectMasterAudio", -2);
    EXPECT_EQ(set_int(kSoundSelect, 1), 1);
    EXPECT_THAT(
        messages(),
        ElementsAre(
            "Picture Menu set_int key: menu/picture/pip/pipss, value: 1", " size: 71 ",
            "g_pip_svc_info.refcnt[1]", "", "Set PIP Audio,SelectMasterAudio [PROFILE_TYPE_PIP]",
            "Set util sound select failed,ret value -2", "Set sound select from tvs errer",
            "Picture Menu set key: menu/picture/pip/pipss, value: 1", "ret = [-1]:otherwise"));
}

TEST_F(PipKeysTest, SoundSelectWithoutAConnectionTouchesNothing)
{
    sim::force("TVServiceAPI::CreateUtil", -1);
    int v = 9;
    EXPECT_EQ(get_int(kSoundSelect, &v), 1);
    EXPECT_EQ(set_int(kSoundSelect, 1), 1);
    EXPECT_EQ(v, 9);
    EXPECT_EQ(sim::state().tv.master_audio, PROFILE_TYPE_MAIN);
    EXPECT_THAT(messages(), ::testing::Contains("tv_pip_service_init fail").Times(2));
}

// ---- source ----------------------------------------------------------------

const int kFallbackOrder[] = {0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

struct SourceCheck {
    const char *name;
    int stored;
    std::vector<int> unavailable;
    int answer;
};

void PrintTo(const SourceCheck &c, std::ostream *os)
{
    *os << c.name;
}

class SourceAvailability : public PipKeysTest, public ::testing::WithParamInterface<SourceCheck> {};

// The lines of the check for a stored source the TV service rejects.
std::vector<std::string> repair_lines(const SourceCheck &c)
{
    std::vector<std::string> lines{
        "Not Available PIP Source. need to change it to available source"};
    for (int source : kFallbackOrder) {
        bool free =
            std::find(c.unavailable.begin(), c.unavailable.end(), source) == c.unavailable.end();
        lines.push_back(" source : " + std::to_string(source) +
                        " / sourceStatus : " + (free ? "0" : "1"));
        if (free) {
            lines.push_back("available source found : " + std::to_string(source));
            break;
        }
        if (source == 16)
            lines.push_back("IMPOSSIBLE CASE : no available source / set to TV");
    }
    lines.push_back("final pip source : " + std::to_string(c.answer));
    return lines;
}

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
    std::vector<std::string> lines{"Picture Menu get_int key: db/menu/picture/pip/source",
                                   " size: 71 ", "pipSource : " + std::to_string(c.stored)};
    bool available =
        std::find(c.unavailable.begin(), c.unavailable.end(), c.stored) == c.unavailable.end();
    if (!available)
        for (const std::string &line : repair_lines(c))
            lines.push_back(line);
    lines.push_back("PIcture Menu get key: db/menu/picture/pip/source, value: " +
                    std::to_string(c.answer));
    lines.push_back("ret = [-1]:otherwise");
    EXPECT_EQ(messages(), lines);
    std::vector<std::string> calls{"vconf_get_int(\"db/menu/picture/pip/source\", out)",
                                   "CMenuUtil::GetSourceStatus(" + std::to_string(c.stored) +
                                       ", 101)"};
    if (!available) {
        calls.push_back("TVServiceAPI::CreateSourceControl(101, 0, out)");
        calls.push_back("ISourceControl::CheckSourceStatus({0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, "
                        "14, 15, 16}, out)");
        calls.push_back("vconf_set_int(\"db/menu/picture/pip/source\", " +
                        std::to_string(c.answer) + ")");
    }
    EXPECT_EQ(sim::journal(), calls);
}

INSTANTIATE_TEST_SUITE_P(
    StatusMaps, SourceAvailability,
    ::testing::Values(SourceCheck{"Available", 13, {5, 0}, 13},
                      SourceCheck{"FirstAvailableInFallbackOrder", 5, {5, 0}, 1},
                      SourceCheck{"NoneAvailableFallsBackToTv",
                                  14,
                                  {0, 1, 2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                                  0}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(PipKeysTest, SourceCheckFailuresReturnMinusOneDirectly)
{
    int v = 0;
    sim::force("vconf_get_int", -1);
    EXPECT_EQ(get_int(kSource, &v), -1);
    sim::unforce("vconf_get_int");
    sim::state().tv.source_status[0] = SOURCE_STATUS_NOT_AVAILABLE;
    sim::force("ISourceControl::CheckSourceStatus", 0);
    EXPECT_EQ(get_int(kSource, &v), -1);
    EXPECT_EQ(messages().back(), "CheckSourceStatus fails 0");
    sim::force("TVServiceAPI::CreateSourceControl", 3);
    EXPECT_EQ(get_int(kSource, &v), -1);
    EXPECT_EQ(messages().back(), "CreateSourceControl fails 3 0");
    EXPECT_EQ(sim::state().vconf_int[kSource], 0);
}

TEST_F(PipKeysTest, SourceMissingFromTheStatusMapCountsAsAvailable)
{
    sim::state().vconf_int[kSource] = 5;
    sim::state().tv.source_status[5] = SOURCE_STATUS_NOT_AVAILABLE;
    sim::force("ISourceControl::CheckSourceStatus", 1);  // answers with an empty map
    int v = -1;
    EXPECT_EQ(get_int(kSource, &v), 1);
    EXPECT_EQ(v, 0);
    EXPECT_THAT(messages(), ::testing::Contains(" source : 0 / sourceStatus : 0"));
}

TEST_F(PipKeysTest, SettingTheSourceStoresItOnlyWhenTheTvServiceTookIt)
{
    EXPECT_EQ(set_int(kSource, 14), 1);
    EXPECT_EQ(sim::state().tv.pip_source, 14);
    EXPECT_EQ(sim::state().vconf_int[kSource], 14);
    sim::force("ISourceControl::SetSource", 2);
    EXPECT_EQ(set_int_pre(kSource, 15), 1);
    EXPECT_EQ(sim::state().vconf_int[kSource], 14);
    sim::unforce("ISourceControl::SetSource");
    sim::force("vconf_set_int", -1);
    clear();
    EXPECT_EQ(set_int(kSource, 13), 1);
    EXPECT_THAT(messages(),
                ElementsAre("Picture Menu set_int key: db/menu/picture/pip/source, value: 13",
                            " size: 71 ", "eSource : 13",
                            " vconf_set_int KEY [db/menu/picture/pip/source] fail, ",
                            "SetPIPSource fails",
                            "Picture Menu set key: db/menu/picture/pip/source, value: 13",
                            "ret = [-1]:otherwise"));
}

TEST_F(PipKeysTest, SourceListLabelsFollowTheNumberOfInputs)
{
    sim::state().system_info[122] = 1;
    sim::state().system_info[111] = 2;
    auto list = choices(kSource);
    ASSERT_TRUE(list);
    std::vector<Choice> expected;
    const char *labels[] = {"SID_TV",        "SID_AV1",       "SID_AV2",       "SID_AV3",
                            "SID_COMPONENT", "SID_COMPONENT", "SID_COMPONENT", "SID_PC",
                            "SID_PC",        "SID_PC",        "SID_HDMI",      "SID_HDMI2",
                            "SID_HDMI3",     "SID_HDMI4"};
    for (int i = 0; i < 14; ++i)
        expected.push_back(Choice{kFallbackOrder[i], labels[i], std::nullopt});
    EXPECT_EQ(*list, expected);
    sim::state().system_info[111] = 1;
    sim::force("system_info_get_value_int", -1);
    list = choices(kSource);
    EXPECT_EQ((*list)[1].display, "SID_AV1") << "three inputs when the count is unknown";
    EXPECT_EQ((*list)[10].display, "SID_HDMI1");
    EXPECT_THAT(messages(), ::testing::Contains("system info fails SYSTEM_INFO_KEY_NUM_OF_AV"));
}

}  // namespace
}  // namespace test
