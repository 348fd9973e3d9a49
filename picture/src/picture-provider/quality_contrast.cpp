// Contrast, tone and gamma: dynamic contrast, black tone, flesh tone, RGB-only
// mode, gamma and its alias, the gamma configuration, xvYCC, black enhancer.
#include <iterator>

#include "avoc.h"
#include "quality.h"

namespace picture {

// The gamma configuration functions address no picture.
static int get_gamma_config(int, int *value, int flag)
{
    return avoc_get_gamma_config(value, flag);
}

static int set_gamma_config(int, int value, int flag)
{
    return avoc_set_gamma_config(value, flag);
}

static const TableSetting kDynamicContrast{avoc_get_dynamic_contrast, avoc_set_dynamic_contrast,
                                           table_of(g_avoc_value)};
static const TableSetting kBlackTone{avoc_get_black_tone, avoc_set_black_tone,
                                     table_of(g_avoc_black_tone)};
static const TableSetting kRgbOnlyMode{avoc_get_rgb_only_mode, avoc_set_rgb_only_mode,
                                       table_of(g_avoc_rgb_only_mode)};
static const TableSetting kGammaConfig{get_gamma_config, set_gamma_config,
                                       table_of(g_avoc_gamma_config)};
static const PlainSetting kFleshTone{avoc_get_flesh_tone, avoc_set_flesh_tone};
// "gamma" and "org-value-gamma" name the same library value.
static const PlainSetting kGamma{avoc_get_gamma, avoc_set_gamma};
static const PlainSetting kBlackEnhancer{avoc_get_black_enhancer, avoc_set_black_enhancer};

// Logs the value read and the position found (0 when none).
static Outcome gamma_config_get(const Request &request, int *value)
{
    int status = kGammaConfig.get(kMainPicture, value, kReadFlag);
    CASE_LOG(request, "avoc_get_gamma_config : [%d]", *value);
    if (status != 0)
        return status_of(status);
    int index = 0;
    if (_find_index(kGammaConfig.table.entries, kGammaConfig.table.count, *value, &index))
        *value = index;
    else
        status = -1;
    CASE_LOG(request, "avoc_get_gamma_config : [%d]", index);
    return status_of(status);
}

static const KeyCase kRows[] = {
    {KeyId::DynamicContrast, table_get, table_set, table_set, &kDynamicContrast},
    {KeyId::BlackTone, table_get, table_set, table_set, &kBlackTone},
    {KeyId::FleshTone, plain_get, plain_set, nullptr, &kFleshTone},
    {KeyId::RgbOnlyMode, table_get, table_set, table_set, &kRgbOnlyMode},
    {KeyId::Gamma, plain_get, plain_set, nullptr, &kGamma},
    {KeyId::GammaConfig, gamma_config_get, table_set, table_set, &kGammaConfig},
    {KeyId::GammaValue, plain_get, plain_set, nullptr, &kGamma},
    {KeyId::XvYcc, no_action_get, no_action_set, nullptr},
    {KeyId::BlackEnhancer, plain_get, plain_set, plain_set, &kBlackEnhancer},
};

const CaseTable g_contrast_cases{kRows, std::size(kRows)};

}  // namespace picture
