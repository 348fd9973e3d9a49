// Contrast, tone and gamma: dynamic contrast, black tone, flesh tone, RGB-only
// mode, gamma and its alias, the gamma configuration, xvYCC, black enhancer.
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "avoc.h"
#include "help_text.h"
#include "lists.h"
#include "menu_util.h"
#include "quality.h"
#include "vconf.h"

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
                                       table_of(g_avoc_gamma_config), ReadLog::GammaConfig};
static const PlainSetting kFleshTone{avoc_get_flesh_tone, avoc_set_flesh_tone};
// "gamma" and "org-value-gamma" name the same library value.
static const PlainSetting kGamma{avoc_get_gamma, avoc_set_gamma};
static const PlainSetting kBlackEnhancer{avoc_get_black_enhancer, avoc_set_black_enhancer};

// Texts that follow the gamma curve in force.
struct GammaTexts {
    int config;
    const char *label;
    const char *help;
};

static const GammaTexts kGammaTexts[] = {
    {0, "TV_SID_HLG", "TV_SID_ADJUST_HLG_LEVELS_PICTURE"},
    {1, "TV_SID_ST_TZEF", "TV_SID_ADJUST_ST_TZEF_LEVELS_PICTURE"},
    {2, "TV_SID_BT_OEES", "TV_SID_ADJUST_BT_TZEF_LEVELS_PICTURE"},
};

// The gamma curve's texts; a failed read counts as curve 2; null for an
// unknown curve, whose texts are empty.
static const GammaTexts *gamma_texts()
{
    int config = 2;
    if (avoc_get_gamma_config(&config, 1) != 0)
        config = 2;
    for (const GammaTexts &texts : kGammaTexts)
        if (texts.config == config)
            return &texts;
    return nullptr;
}

static const char *gamma_label()
{
    const GammaTexts *texts = gamma_texts();
    return texts ? texts->label : "";
}

static bool gamma_help(char *buffer)
{
    if (const GammaTexts *texts = gamma_texts())
        copy_translation(buffer, texts->help);
    return true;
}

static void **dynamic_contrast_list(int *count);

constexpr KeyCase kRows[] = {
    {.id = KeyId::DynamicContrast,
     .get = table_get<kDynamicContrast>,
     .set = table_set<kDynamicContrast>,
     .preview = table_set<kDynamicContrast>,
     .list = dynamic_contrast_list,
     .values = &kDynamicContrast.table},
    {.id = KeyId::BlackTone,
     .get = table_get<kBlackTone>,
     .set = table_set<kBlackTone>,
     .preview = table_set<kBlackTone>,
     .values = &kBlackTone.table},
    {.id = KeyId::FleshTone, .get = plain_get<kFleshTone>, .set = plain_set<kFleshTone>},
    {.id = KeyId::RgbOnlyMode,
     .get = table_get<kRgbOnlyMode>,
     .set = table_set<kRgbOnlyMode>,
     .preview = table_set<kRgbOnlyMode>,
     .values = &kRgbOnlyMode.table},
    {.id = KeyId::Gamma, .get = plain_get<kGamma>, .set = plain_set<kGamma>},
    {.id = KeyId::GammaConfig,
     .get = table_get<kGammaConfig>,
     .set = table_set<kGammaConfig>,
     .preview = table_set<kGammaConfig>,
     .values = &kGammaConfig.table},
    {.id = KeyId::GammaValue,
     .get = plain_get<kGamma>,
     .set = plain_set<kGamma>,
     .label = gamma_label,
     .help = gamma_help},
    {.id = KeyId::XvYcc, .get = no_action_get, .set = no_action_set},
    {.id = KeyId::BlackEnhancer,
     .get = plain_get<kBlackEnhancer>,
     .set = plain_set<kBlackEnhancer>,
     .preview = plain_set<kBlackEnhancer>},
};
static_assert(rows_follow(kRows, kContrastKeys), "one row per contrast key, in order");

const CaseTable g_contrast_cases{kRows, std::size(kRows)};

// Dynamic contrast choices: product models of the large-format line offer
// all four, the others skip "medium". Slovak takes the male-form labels.
struct ContrastChoice {
    int value;
    const char *label;
    const char *male_label;
    bool in_short_list;
};

static const ContrastChoice kContrastChoices[] = {
    {0, "SID_OFF", "SID_OFF", true},
    {1, "SID_LOW", "SID_LOW_MALEID", true},
    {2, "SID_MEDIUM", "SID_MEDIUM_MALEID", false},
    {3, "SID_HIGH", "SID_HIGH_MALEID", true},
};

static int short_list_size()
{
    int n = 0;
    for (const ContrastChoice &choice : kContrastChoices)
        n += choice.in_short_list ? 1 : 0;
    return n;
}

// A list of its own: items filled choice by choice, as the product decides.
static void **dynamic_contrast_list(int *count)
{
    bool full = CMenuUtil::FlagLFDProductModel();
    char *language = vconf_get_str("db/menu_widget/language");
    bool male = language && std::strcmp(language, "sk_SK.utf8") == 0;
    void **items = new_fixed_list(
        full ? static_cast<int>(std::size(kContrastChoices)) : short_list_size(), count);
    int at = 0;
    for (const ContrastChoice &choice : kContrastChoices) {
        if (!full && !choice.in_short_list)
            continue;
        auto *item = static_cast<ListItem *>(items[at++]);
        plain_copy(item->display_value, male ? choice.male_label : choice.label);
        item->int_value = choice.value;
    }
    const auto *third = static_cast<const ListItem *>(items[2]);
    PLOG("name : %s / value : %d", third->display_value, third->int_value);
    std::free(language);
    return items;
}

}  // namespace picture
