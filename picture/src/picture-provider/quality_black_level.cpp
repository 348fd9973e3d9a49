// Black level and LED options: HDMI black level, smart LED, cinema black and
// black optimizer.
#include <iterator>

#include "avoc.h"
#include "quality.h"

namespace picture {

static const TableSetting kHdmiBlackLevel{avoc_get_hdmi_black_level, avoc_set_hdmi_black_level,
                                          table_of(g_avoc_hdmi_black_level), ReadLog::Status,
                                          WriteLog::Status};
static const TableSetting kSmartLed{avoc_get_smart_led, avoc_set_smart_led,
                                    table_of(g_avoc_smart_led), ReadLog::None, WriteLog::ValueIs};
static const TableSetting kCinemaBlack{avoc_get_cinema_black, avoc_set_cinema_black,
                                       table_of(g_avoc_cinema_black)};
static const TableSetting kBlackOptimizer{avoc_get_cinema_black_by_value, avoc_set_black_optimizer,
                                          table_of(g_avoc_black_optimizer_e)};

constexpr KeyCase kRows[] = {
    {KeyId::HdmiBlackLevel, table_get, table_set, table_set, &kHdmiBlackLevel},
    {KeyId::SmartLed, table_get, table_set, table_set, &kSmartLed},
    {KeyId::CinemaBlack, table_get, table_set, table_set, &kCinemaBlack},
    {KeyId::BlackOptimizer, table_get, table_set, table_set, &kBlackOptimizer},
};
static_assert(rows_follow(kRows, kBlackLevelKeys), "one row per black level key, in order");

const CaseTable g_black_level_cases{kRows, std::size(kRows)};

}  // namespace picture
