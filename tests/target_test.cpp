// What the TV's 32-bit ARM target shows and a 64-bit desktop hides: pointer
// sized slots, 64-bit service ids in 32-bit longs, negative values taken as
// unsigned. Runs on both; the 32-bit facts are asserted where they hold.
#include <malloc.h>

#include <climits>
#include <cstdint>
#include <string>

#include "picture_keys.h"
#include "provider_fixture.h"

namespace test {
namespace {

using TargetTest = ProviderTest;

// The allocation holds 47 pointers (188 bytes on the target); the last slot
// lies inside it and is an empty one.
TEST_F(TargetTest, TableHoldsFortySevenPointers)
{
    EXPECT_GE(malloc_usable_size(table_), 47 * sizeof(void *));
    EXPECT_EQ(table_[PROVIDER_SLOT_COUNT - 1], nullptr);
}

TEST_F(TargetTest, ServiceIdsKeepAllSixtyFourBits)
{
    const std::uint64_t id = 0x10000002aULL;  // does not fit a 32-bit long
    sim::state().tv.channels = {{{{1, 2}, {12, id}, {13, 7}, {14, 1}}, L"Wide"}};
    auto list = choices(PICTURE_PIP_CHANNEL_KEY);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 1u);
    EXPECT_EQ((*list)[0].string, std::to_string(id));
}

// Every key whose value goes through a value table: a negative menu value is
// a huge unsigned one, out of range, and never reaches the output control.
TEST_F(TargetTest, NegativeValuesNeverReachTheOutputControl)
{
    const picture_setting_key table_keys[] = {
        PICTURE_KEY_DynamicContrast,    PICTURE_KEY_BlackTone,       PICTURE_KEY_RgbOnlyMode,
        PICTURE_KEY_ColorSpaceMode,     PICTURE_KEY_ColorSpaceGamut, PICTURE_KEY_ColorSpaceColor,
        PICTURE_KEY_GammaConfig,        PICTURE_KEY_ColorTone,       PICTURE_KEY_DigitalCleanView,
        PICTURE_KEY_MpegNoiseFilter,    PICTURE_KEY_HdmiBlackLevel,  PICTURE_KEY_FilmMode,
        PICTURE_KEY_AutoMotionPlusMode, PICTURE_KEY_LedClearMotion,  PICTURE_KEY_SmartLed,
        PICTURE_KEY_CinemaBlack,        PICTURE_KEY_BlackOptimizer,
    };
    for (picture_setting_key position : table_keys) {
        std::string key = picture_setting_keys[position];
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
