// White balance: the overall reset and the 10-point and 20-point editors.
// An editor's point is the interval that the library holds; every component
// call and the point reset ask for it anew.
#include <iterator>

#include "avoc.h"
#include "quality.h"

namespace picture {

struct WbEditor {
    const char *name;  // "10p" or "20p", as the log lines name the editor
    int (*get_interval)(int *value, int flag);
    int (*set_interval)(int value, int flag);
    int (*get_point)(int picture, int interval, int component, int *value);
    int (*set_point)(int picture, int interval, int component, int value, int flag);
    int (*reset_point)(int picture, int interval);
};

static const WbEditor k10Points{"10p",
                                avoc_get_10p_white_balance_interval,
                                avoc_set_10p_white_balance_interval,
                                avoc_get_10p_white_balance_by_interval,
                                avoc_set_10p_white_balance_by_interval,
                                avoc_reset_10p_white_balance_by_interval};
static const WbEditor k20Points{"20p",
                                avoc_get_20p_white_balance_interval,
                                avoc_set_20p_white_balance_interval,
                                avoc_get_20p_white_balance_by_interval,
                                avoc_set_20p_white_balance_by_interval,
                                avoc_reset_20p_white_balance_by_interval};

struct WbComponent {
    const WbEditor &editor;
    int component;
};

static const WbComponent k10pRed{k10Points, AVOC_WB_RED};
static const WbComponent k10pGreen{k10Points, AVOC_WB_GREEN};
static const WbComponent k10pBlue{k10Points, AVOC_WB_BLUE};
static const WbComponent k20pRed{k20Points, AVOC_WB_RED};
static const WbComponent k20pGreen{k20Points, AVOC_WB_GREEN};
static const WbComponent k20pBlue{k20Points, AVOC_WB_BLUE};

static const PlainSetting k10pMode{avoc_get_10p_white_balance, avoc_set_10p_white_balance};
static const PlainSetting k20pMode{avoc_get_20p_white_balance, avoc_set_20p_white_balance};

static Outcome reset_all_set(const Request &request, int value)
{
    CASE_LOG(request, "WB key: %s, value: %d", request.key, value);
    return status_of(avoc_reset_white_balance(kMainPicture));
}

template <const WbEditor &Editor> static Outcome interval_get(const Request &request, int *value)
{
    if (Editor.get_interval(value, kReadFlag) == 0)
        return status_of(0);
    CASE_LOG(request, "avoc_get_%s_white_balance_interval API Fail", Editor.name);
    return status_of(-1);
}

template <const WbEditor &Editor> static Outcome interval_set(const Request &request, int value)
{
    if (Editor.set_interval(value, flag_of(request)) == 0)
        return status_of(0);
    CASE_LOG(request, "avoc_set_%s_white_balance_interval API Fail", Editor.name);
    return status_of(-1);
}

// The point a component call addresses; false when it cannot be read.
static bool component_interval(const Request &request, const WbEditor &editor, int *interval)
{
    *interval = 1;
    if (editor.get_interval(interval, kReadFlag) != 0) {
        CASE_LOG(request, " avoc_get_%s_white_balance_interval is fail ", editor.name);
        return false;
    }
    CASE_LOG(request, "avoc_get_%s_white_balance_interval success,interval = %d", editor.name,
             *interval);
    return true;
}

template <const WbComponent &Component>
static Outcome component_get(const Request &request, int *value)
{
    int interval = 0;
    if (!component_interval(request, Component.editor, &interval))
        return status_of(-1);
    return status_of(
        Component.editor.get_point(kMainPicture, interval, Component.component, value));
}

template <const WbComponent &Component>
static Outcome component_set(const Request &request, int value)
{
    int interval = 0;
    if (!component_interval(request, Component.editor, &interval))
        return status_of(-1);
    return status_of(Component.editor.set_point(kMainPicture, interval, Component.component, value,
                                                flag_of(request)));
}

// Resets the point at the current interval; the menu value is not used.
template <const WbEditor &Editor> static Outcome point_reset_set(const Request &request, int)
{
    int interval = 0;
    if (Editor.get_interval(&interval, kReadFlag) != 0) {
        CASE_LOG(request, "avoc_get_%s_white_balance_interval API Fail", Editor.name);
        return status_of(-1);
    }
    return status_of(Editor.reset_point(kMainPicture, interval));
}

constexpr KeyCase kRows[] = {
    {.id = KeyId::WhiteBalanceReset, .set = reset_all_set},
    {.id = KeyId::WhiteBalance10pMode,
     .get = plain_get<k10pMode>,
     .set = plain_set<k10pMode>,
     .preview = plain_set<k10pMode>},
    {.id = KeyId::WhiteBalance10pInterval,
     .get = interval_get<k10Points>,
     .set = interval_set<k10Points>},
    {.id = KeyId::WhiteBalance10pRed, .get = component_get<k10pRed>, .set = component_set<k10pRed>},
    {.id = KeyId::WhiteBalance10pGreen,
     .get = component_get<k10pGreen>,
     .set = component_set<k10pGreen>},
    {.id = KeyId::WhiteBalance10pBlue,
     .get = component_get<k10pBlue>,
     .set = component_set<k10pBlue>},
    {.id = KeyId::WhiteBalance10pReset, .set = point_reset_set<k10Points>},
    {.id = KeyId::WhiteBalance20pMode,
     .get = plain_get<k20pMode>,
     .set = plain_set<k20pMode>,
     .preview = plain_set<k20pMode>},
    {.id = KeyId::WhiteBalance20pInterval,
     .get = interval_get<k20Points>,
     .set = interval_set<k20Points>},
    {.id = KeyId::WhiteBalance20pRed, .get = component_get<k20pRed>, .set = component_set<k20pRed>},
    {.id = KeyId::WhiteBalance20pGreen,
     .get = component_get<k20pGreen>,
     .set = component_set<k20pGreen>},
    {.id = KeyId::WhiteBalance20pBlue,
     .get = component_get<k20pBlue>,
     .set = component_set<k20pBlue>},
    {.id = KeyId::WhiteBalance20pReset, .set = point_reset_set<k20Points>},
};
static_assert(rows_follow(kRows, kWhiteBalanceKeys), "one row per white balance key, in order");

const CaseTable g_white_balance_cases{kRows, std::size(kRows)};

}  // namespace picture
