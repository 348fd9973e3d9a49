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

static Outcome interval_get(const Request &request, int *value)
{
    const WbEditor &editor = row_of<WbEditor>(request);
    if (editor.get_interval(value, kReadFlag) == 0)
        return status_of(0);
    CASE_LOG(request, "avoc_get_%s_white_balance_interval API Fail", editor.name);
    return status_of(-1);
}

static Outcome interval_set(const Request &request, int value)
{
    const WbEditor &editor = row_of<WbEditor>(request);
    if (editor.set_interval(value, flag_of(request)) == 0)
        return status_of(0);
    CASE_LOG(request, "avoc_set_%s_white_balance_interval API Fail", editor.name);
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

static Outcome component_get(const Request &request, int *value)
{
    const WbComponent &row = row_of<WbComponent>(request);
    int interval = 0;
    if (!component_interval(request, row.editor, &interval))
        return status_of(-1);
    return status_of(row.editor.get_point(kMainPicture, interval, row.component, value));
}

static Outcome component_set(const Request &request, int value)
{
    const WbComponent &row = row_of<WbComponent>(request);
    int interval = 0;
    if (!component_interval(request, row.editor, &interval))
        return status_of(-1);
    return status_of(
        row.editor.set_point(kMainPicture, interval, row.component, value, flag_of(request)));
}

// Resets the point at the current interval; the menu value is not used.
static Outcome point_reset_set(const Request &request, int)
{
    const WbEditor &editor = row_of<WbEditor>(request);
    int interval = 0;
    if (editor.get_interval(&interval, kReadFlag) != 0) {
        CASE_LOG(request, "avoc_get_%s_white_balance_interval API Fail", editor.name);
        return status_of(-1);
    }
    return status_of(editor.reset_point(kMainPicture, interval));
}

constexpr KeyCase kRows[] = {
    {KeyId::WhiteBalanceReset, nullptr, reset_all_set, nullptr},
    {KeyId::WhiteBalance10pMode, plain_get, plain_set, plain_set, &k10pMode},
    {KeyId::WhiteBalance10pInterval, interval_get, interval_set, nullptr, &k10Points},
    {KeyId::WhiteBalance10pRed, component_get, component_set, nullptr, &k10pRed},
    {KeyId::WhiteBalance10pGreen, component_get, component_set, nullptr, &k10pGreen},
    {KeyId::WhiteBalance10pBlue, component_get, component_set, nullptr, &k10pBlue},
    {KeyId::WhiteBalance10pReset, nullptr, point_reset_set, nullptr, &k10Points},
    {KeyId::WhiteBalance20pMode, plain_get, plain_set, plain_set, &k20pMode},
    {KeyId::WhiteBalance20pInterval, interval_get, interval_set, nullptr, &k20Points},
    {KeyId::WhiteBalance20pRed, component_get, component_set, nullptr, &k20pRed},
    {KeyId::WhiteBalance20pGreen, component_get, component_set, nullptr, &k20pGreen},
    {KeyId::WhiteBalance20pBlue, component_get, component_set, nullptr, &k20pBlue},
    {KeyId::WhiteBalance20pReset, nullptr, point_reset_set, nullptr, &k20Points},
};
static_assert(rows_follow(kRows, kWhiteBalanceKeys), "one row per white balance key, in order");

const CaseTable g_white_balance_cases{kRows, std::size(kRows)};

}  // namespace picture
