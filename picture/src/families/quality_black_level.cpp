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
    {.id = KeyId::HdmiBlackLevel,
     .get = table_get<kHdmiBlackLevel>,
     .set = table_set<kHdmiBlackLevel>,
     .preview = table_set<kHdmiBlackLevel>,
     .values = &kHdmiBlackLevel.table},
    {.id = KeyId::SmartLed,
     .get = table_get<kSmartLed>,
     .set = table_set<kSmartLed>,
     .preview = table_set<kSmartLed>,
     .values = &kSmartLed.table},
    {.id = KeyId::CinemaBlack,
     .get = table_get<kCinemaBlack>,
     .set = table_set<kCinemaBlack>,
     .preview = table_set<kCinemaBlack>,
     .values = &kCinemaBlack.table},
    {.id = KeyId::BlackOptimizer,
     .get = table_get<kBlackOptimizer>,
     .set = table_set<kBlackOptimizer>,
     .preview = table_set<kBlackOptimizer>,
     .values = &kBlackOptimizer.table},
};
static_assert(rows_follow(kRows, kBlackLevelKeys), "one row per black level key, in order");

const CaseTable g_black_level_cases{kRows, std::size(kRows)};

}  // namespace picture
