// What the TV's 32-bit ARM target shows and a 64-bit desktop hides: pointer
// sized slots, 64-bit service ids in 32-bit longs, negative values taken as
// unsigned. Runs on both; the 32-bit facts are asserted where they hold.
#include <climits>
#include <cstdint>
#include <string>

#include "key_table.h"
#include "provider_fixture.h"

namespace test {
namespace {

constexpr bool kTarget32 = sizeof(void *) == 4;

using TargetTest = ProviderTest;

TEST_F(TargetTest, TableIsFortySevenPointers)
{
    EXPECT_EQ(sizeof(provider_op) * PROVIDER_SLOT_COUNT, 47 * sizeof(void *));
    if (kTarget32) {
        EXPECT_EQ(sizeof(provider_op) * PROVIDER_SLOT_COUNT, 188u);
    }
    // The last slot lies inside the allocation and is an empty one.
    EXPECT_EQ(table_[PROVIDER_SLOT_COUNT - 1], nullptr);
}

TEST_F(TargetTest, ServiceIdsKeepAllSixtyFourBits)
{
    const std::uint64_t id = 0x10000002aULL;  // does not fit a 32-bit long
    sim::state().tv.channels = {{{{1, 2}, {12, id}, {13, 7}, {14, 1}}, L"Wide"}};
    auto list = choices("menu/picture/pip/channel");
    if (!list)
        GTEST_SKIP() << "no PIP channel list in this build";
    ASSERT_EQ(list->size(), 1u);
    EXPECT_EQ((*list)[0].string, std::to_string(id));
}

std::string key_of(picture::KeyId id)
{
    for (const picture::KeyRow &row : picture::g_keyitemmap)
        if (row.id == id)
            return row.key;
    return {};
}

// Every key whose value goes through a value table: a negative menu value is
// a huge unsigned one, out of range, and never reaches the output control.
TEST_F(TargetTest, NegativeValuesNeverReachTheOutputControl)
{
    using picture::KeyId;
    const KeyId table_keys[] = {
        KeyId::DynamicContrast,    KeyId::BlackTone,       KeyId::RgbOnlyMode,
        KeyId::ColorSpaceMode,     KeyId::ColorSpaceGamut, KeyId::ColorSpaceColor,
        KeyId::GammaConfig,        KeyId::ColorTone,       KeyId::DigitalCleanView,
        KeyId::MpegNoiseFilter,    KeyId::HdmiBlackLevel,  KeyId::FilmMode,
        KeyId::AutoMotionPlusMode, KeyId::LedClearMotion,  KeyId::SmartLed,
        KeyId::CinemaBlack,        KeyId::BlackOptimizer,
    };
    for (KeyId id : table_keys) {
        std::string key = key_of(id);
        for (int value : {-1, -6, INT_MIN}) {
            SCOPED_TRACE(key + " = " + std::to_string(value));
            clear();
            EXPECT_EQ(set_int(key.c_str(), value), 1);
            EXPECT_EQ(set_int_pre(key.c_str(), value), 1);
            for (const std::string &call : sim::journal())
                EXPECT_NE(call.rfind("avoc_set_", 0), 0u) << call;
        }
    }
}

}  // namespace
}  // namespace test
