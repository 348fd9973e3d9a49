// Black level, LED and colour tone options: colour tone and its list, HDMI
// black level, UHD colour per input, smart LED, cinema black, black optimizer.
#include <iterator>

#include "avoc.h"
#include "lists.h"
#include "quality.h"

namespace picture {

static const TableSetting kColorTone{avoc_get_color_tone_mode, avoc_set_color_tone_mode,
                                     table_of(g_avoc_color_tone_mode)};
static const TableSetting kHdmiBlackLevel{avoc_get_hdmi_black_level, avoc_set_hdmi_black_level,
                                          table_of(g_avoc_hdmi_black_level), ReadLog::Status,
                                          WriteLog::Status};
static const TableSetting kSmartLed{avoc_get_smart_led, avoc_set_smart_led,
                                    table_of(g_avoc_smart_led), ReadLog::None, WriteLog::ValueIs};
static const TableSetting kCinemaBlack{avoc_get_cinema_black, avoc_set_cinema_black,
                                       table_of(g_avoc_cinema_black)};
static const TableSetting kBlackOptimizer{avoc_get_cinema_black_by_value, avoc_set_black_optimizer,
                                          table_of(g_avoc_black_optimizer_e)};

// A UHD colour key addresses its input by port, whatever the current source.
struct UhdInput {
    int port;
    const char *get_name;  // as the get line names the input
    const char *set_name;  // as the set line names it
};

static const UhdInput kUhdHdmi1{AVOC_PORT_HDMI1, "HDMI1", "HDMI1"};
static const UhdInput kUhdHdmi2{AVOC_PORT_HDMI2, "HDMI2", "HDMI2"};
static const UhdInput kUhdHdmi3{AVOC_PORT_HDMI3, "HDMI3", "HDMI3"};
static const UhdInput kUhdHdmi4{AVOC_PORT_HDMI4, "HDMI4", "HDMI4"};
static const UhdInput kUhdDp{AVOC_PORT_DP, "DP", "HDMI DP"};

static Outcome uhd_color_get(const Request &request, int *value)
{
    const UhdInput &input = row_of<UhdInput>(request);
    int status = avoc_get_uhd_color_mode(kMainPicture, input.port, value, kReadFlag);
    CASE_LOG(request, " get UHD color %s status:%d value:%d ", input.get_name, status, *value);
    return status_of(status);
}

static Outcome uhd_color_set(const Request &request, int value)
{
    const UhdInput &input = row_of<UhdInput>(request);
    int status = avoc_set_uhd_color_mode(kMainPicture, input.port, value, flag_of(request));
    CASE_LOG(request, " set %s status:%d value:%d ", input.set_name, status, value);
    return status_of(status);
}

static const KeyCase kRows[] = {
    {KeyId::ColorTone, table_get, table_set, table_set, &kColorTone},
    {KeyId::HdmiBlackLevel, table_get, table_set, table_set, &kHdmiBlackLevel},
    {KeyId::UhdColorHdmi1, uhd_color_get, uhd_color_set, nullptr, &kUhdHdmi1},
    {KeyId::UhdColorHdmi2, uhd_color_get, uhd_color_set, nullptr, &kUhdHdmi2},
    {KeyId::UhdColorHdmi3, uhd_color_get, uhd_color_set, nullptr, &kUhdHdmi3},
    {KeyId::UhdColorHdmi4, uhd_color_get, uhd_color_set, nullptr, &kUhdHdmi4},
    {KeyId::UhdColorHdmi5, uhd_color_get, uhd_color_set, nullptr, &kUhdDp},
    {KeyId::SmartLed, table_get, table_set, table_set, &kSmartLed},
    {KeyId::CinemaBlack, table_get, table_set, table_set, &kCinemaBlack},
    {KeyId::BlackOptimizer, table_get, table_set, table_set, &kBlackOptimizer},
};

const CaseTable g_black_level_cases{kRows, std::size(kRows)};

// Picture modes 0x20004 to 0x20007 call the warmest tone plain "warm".
constexpr unsigned int kWarmModeFirst = 0x20004;
constexpr unsigned int kWarmModeSpan = 3;

void **color_tone_list(int *count)
{
    int mode = 0;
    int status = avoc_get_picture_mode(kMainPicture, &mode, kReadFlag);
    PLOG("avoc_get_picture_mode, return:%d, picture mode value:%d", status, mode);
    if (status != 0) {
        PLOG("AVOC RETURN ERROR!!");
        return nullptr;
    }
    bool warm = static_cast<unsigned int>(mode) - kWarmModeFirst <= kWarmModeSpan;
    const ChoicePairs pairs = {
        {0, "SID_OFF"},
        {1, "SID_COOL"},
        {2, "SID_STANDARD_MALEID"},
        {3, "SID_WARM1"},
        {4, warm ? "SID_WARM" : "SID_WARM2"},
    };
    PLOG("%d", static_cast<int>(pairs.size()));
    return pairs_to_list(pairs, count);
}

}  // namespace picture
