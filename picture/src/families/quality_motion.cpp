// Motion and noise options: digital clean view, MPEG noise filter, film mode,
// auto motion plus, motion judder canceller and analog clean view.
#include <iterator>

#include "avoc.h"
#include "help_text.h"
#include "menu_util.h"
#include "quality.h"
#include "system_info.h"
#include "tv_service.h"

namespace picture {

// Digital clean view shows output-control value 4 as menu value 1, and a
// committed 1 is written as 4.
constexpr int kCleanViewFolded = 4;
constexpr int kCleanViewShown = 1;

static const TableSetting kDigitalCleanView{
    avoc_get_digital_clean_view, avoc_set_digital_clean_view, table_of(g_avoc_digital_clean_view)};
static const TableSetting kMpegNoiseFilter{avoc_get_MPEG_noise_filter, avoc_set_MPEG_noise_filter,
                                           table_of(g_avoc_value)};
static const TableSetting kFilmMode{avoc_get_film_mode, avoc_set_film_mode,
                                    table_of(g_avoc_film_mode), ReadLog::Status, WriteLog::Status};
static const TableSetting kAutoMotionPlus{avoc_get_auto_motion_plus, avoc_set_auto_motion_plus,
                                          table_of(g_avoc_auto_motion_plus), ReadLog::Status,
                                          WriteLog::Status};
static const TableSetting kLedClearMotion{avoc_get_led_clear_motion, avoc_set_led_clear_motion,
                                          table_of(g_avoc_led_clear_motion), ReadLog::None,
                                          WriteLog::Status};

static Outcome digital_clean_view_get(const Request &request, int *value)
{
    int status = avoc_get_digital_clean_view(kMainPicture, value, kReadFlag);
    CASE_LOG(request, "PICTURE_DIGITAL_CLEAN_VIEW : %d", *value);
    if (*value == kCleanViewFolded)
        *value = kCleanViewShown;
    if (status != 0)
        return status_of(status);
    return status_of(reverse_lookup(kDigitalCleanView.table, value));
}

// Committed set only; the preview writes the table entry as it is.
static Outcome digital_clean_view_set(const Request &request, int value)
{
    if (value == kCleanViewShown)
        value = kCleanViewFolded;
    return status_showing(table_write(request, kDigitalCleanView, value).status, value);
}

// Blur and judder reduction take the low eight bits, without a range test.
struct ByteSetting {
    AvocGetter get;
    int (*set)(int picture, unsigned char value, int flag);
};

static const ByteSetting kBlurReduction{avoc_get_blur_reduction, avoc_set_blur_reduction};
static const ByteSetting kJudderReduction{avoc_get_juddler_reduction, avoc_set_juddler_reduction};

template <const ByteSetting &Setting> static Outcome byte_get(const Request &request, int *value)
{
    int status = Setting.get(kMainPicture, value, kReadFlag);
    CASE_LOG(request, " get status:%d value:%d ", status, *value);
    return status_of(status);
}

template <const ByteSetting &Setting> static Outcome byte_set(const Request &request, int value)
{
    int status = Setting.set(kMainPicture, static_cast<unsigned char>(value), flag_of(request));
    CASE_LOG(request, " set status:%d value:%d ", status, value);
    return status_of(status);
}

// Analog clean view lives with the current service: attribute 36 of its data,
// written through the AV control.
constexpr int kCrossTalkNr = 36;

static bool clean_view_of(const TCServiceData &service)
{
    const TSServiceField *field = service.GetField(kCrossTalkNr);
    return field && field->value != 0;
}

// Yields -1 even after a successful read; a failed call leaves at once with -1.
static Outcome analog_clean_view_get(const Request &request, int *value)
{
    TCCriteriaHelper criteria;
    TCServiceData service;
    TSTvMode mode{-1, -1};
    IServiceNavigation *navigation = nullptr;
    if (TVServiceAPI::CreateServiceNavigation(CTvService::GetCurrentProfile(), 0, &navigation) !=
            0 ||
        !navigation) {
        CASE_LOG(request, "Create Service Navigation failed");
        return direct_result(-1);
    }
    if (navigation->GetTvMode(mode) < 1) {
        CASE_LOG(request, "Get TV Mode failed");
        return direct_result(-1);
    }
    criteria.Fetch(kCrossTalkNr);
    if (navigation->GetCurrentServiceInfo(mode, criteria, service) == 0) {
        CASE_LOG(request, "GetCurrentServiceInfo failed");
        return direct_result(-1);
    }
    CASE_LOG(request, " Current CROSS_TALK_NR = %d", clean_view_of(service) ? 1 : 0);
    int on = clean_view_of(service) ? 1 : 0;
    CASE_LOG(request, " Current bValue = %d", on);
    *value = on;
    return status_of(-1);
}

// Yields -1 whatever the TV service answers.
static Outcome analog_clean_view_set(const Request &request, int value)
{
    CASE_LOG(request, "value is %d", value);
    IAVControl *control = nullptr;
    if (TVServiceAPI::CreateAVControl(CTvService::GetCurrentProfile(), 0, &control) != 0 ||
        !control)
        return status_of(-1);
    if (control->SetAnalogCleanView(value != 0) <= 0)
        CASE_LOG(request, " SetAnalogCleanView FAIL!!!!!!!!!!!!!!!!!!!!!");
    return status_of(-1);
}

constexpr int kChipTypeInfo = 253;
constexpr int kChipWithClearMotion = 12;
constexpr int kBlurJudderHelpInfo = 258;

// The TV chip names the LED clear motion; without it the placeholder stays.
static const char *led_clear_motion_label()
{
    int chip = 11;
    if (system_info_get_value_int(kChipTypeInfo, &chip) == 0)
        return chip == kChipWithClearMotion ? "TV_SID_CLEAR_MOTION" : "TV_SID_LED_CLEAR_MOTION";
    PLOG_FROM("get_display_name", "cannot get tv chip type!");
    return nullptr;
}

// A platform feature adds blur to the help text; a failed read counts as off.
static bool auto_motion_plus_help(char *buffer)
{
    bool blur = false;
    if (system_info_get_value_bool(kBlurJudderHelpInfo, &blur) != 0)
        blur = false;
    copy_translation(buffer, blur ? "TV_SID_PICTURE_ENHANCE_PICUTRE_SHAPNESS_BLUR_JUDDER"
                                  : "TV_SID_PICTURE_ENHANCE_PICTURE_JUDDER");
    return true;
}

constexpr KeyCase kRows[] = {
    {.id = KeyId::DigitalCleanView,
     .get = digital_clean_view_get,
     .set = digital_clean_view_set,
     .preview = table_set<kDigitalCleanView>,
     .values = &kDigitalCleanView.table},
    {.id = KeyId::MpegNoiseFilter,
     .get = table_get<kMpegNoiseFilter>,
     .set = table_set<kMpegNoiseFilter>,
     .preview = table_set<kMpegNoiseFilter>,
     .values = &kMpegNoiseFilter.table},
    {.id = KeyId::FilmMode,
     .get = table_get<kFilmMode>,
     .set = table_set<kFilmMode>,
     .preview = table_set<kFilmMode>,
     .values = &kFilmMode.table},
    {.id = KeyId::AutoMotionPlusMode,
     .get = table_get<kAutoMotionPlus>,
     .set = table_set<kAutoMotionPlus>,
     .preview = table_set<kAutoMotionPlus>,
     .help = auto_motion_plus_help,
     .values = &kAutoMotionPlus.table},
    {.id = KeyId::BlurReduction, .get = byte_get<kBlurReduction>, .set = byte_set<kBlurReduction>},
    {.id = KeyId::JudderReduction,
     .get = byte_get<kJudderReduction>,
     .set = byte_set<kJudderReduction>},
    {.id = KeyId::LedClearMotion,
     .get = table_get<kLedClearMotion>,
     .set = table_set<kLedClearMotion>,
     .preview = table_set<kLedClearMotion>,
     .label = led_clear_motion_label,
     .values = &kLedClearMotion.table},
    {.id = KeyId::MotionJudderCanceller, .get = no_action_get, .set = no_action_set},
    {.id = KeyId::AnalogCleanView, .get = analog_clean_view_get, .set = analog_clean_view_set},
};
static_assert(rows_follow(kRows, kMotionKeys), "one row per motion key, in order");

const CaseTable g_motion_cases{kRows, std::size(kRows)};

}  // namespace picture
