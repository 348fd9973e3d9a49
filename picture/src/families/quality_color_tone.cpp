// Colour tone and its list, whose warmest choice depends on the picture mode.
#include <iterator>

#include "avoc.h"
#include "lists.h"
#include "quality.h"

namespace picture {

static const TableSetting kColorTone{avoc_get_color_tone_mode, avoc_set_color_tone_mode,
                                     table_of(g_avoc_color_tone_mode)};

// Picture modes 0x20004 to 0x20007 call the warmest tone plain "warm".
constexpr unsigned int kWarmModeFirst = 0x20004;
constexpr unsigned int kWarmModeSpan = 3;

static void **color_tone_list(int *count)
{
    int mode = 0;
    int status = avoc_get_picture_mode(kMainPicture, &mode, kReadFlag);
    PLOG("avoc_get_picture_mode, return:%d, picture mode value:%d", status, mode);
    if (status != 0) {
        PLOG("AVOC RETURN ERROR!!");
        return nullptr;
    }
    bool warm = static_cast<unsigned int>(mode) - kWarmModeFirst <= kWarmModeSpan;
    const Choice choices[] = {
        {0, "SID_OFF"},
        {1, "SID_COOL"},
        {2, "SID_STANDARD_MALEID"},
        {3, "SID_WARM1"},
        {4, warm ? "SID_WARM" : "SID_WARM2"},
    };
    PLOG("%d", static_cast<int>(std::size(choices)));
    return pairs_to_list(choices, count);
}

constexpr KeyCase kRows[] = {
    {.id = KeyId::ColorTone,
     .get = table_get<kColorTone>,
     .set = table_set<kColorTone>,
     .preview = table_set<kColorTone>,
     .list = color_tone_list,
     .values = &kColorTone.table},
};
static_assert(rows_follow(kRows, kColorToneKeys), "one row per colour tone key");

const CaseTable g_color_tone_cases{kRows, std::size(kRows)};

}  // namespace picture
