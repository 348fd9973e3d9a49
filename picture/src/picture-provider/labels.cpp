// Labels, help texts, module information and the Info key.
#include <cstring>
#include <iterator>

#include "avoc.h"
#include "keys.h"
#include "lists.h"
#include "log.h"
#include "operations.h"
#include "picture_size.h"
#include "system_info.h"
#include "translate.h"
#include "vconf.h"

namespace picture {

constexpr int kChipTypeInfo = 253;
constexpr int kChipWithClearMotion = 12;
constexpr int kBlurJudderHelpInfo = 258;

// Set by the remote's Info key; the next placeholder help text consumes it.
static bool keypressed_info = false;

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

struct SizeText {
    int size;
    const char *help;
};

static const SizeText kSizeTexts[] = {
    {0, "COM_SID_MENU_DISPLAY_PICTURE_169_RATIO"},
    {1, "COM_SID_MENU_EXPAND_PICTURE_FIT_SCREEN"},
    {3, "COM_SID_MENU_DISPLAY_PICTURE_43_ASPECT"},
};

// Help text of a picture size; null (empty text) for the others.
static const char *size_help(int size)
{
    for (const SizeText &text : kSizeTexts)
        if (text.size == size)
            return text.help;
    return nullptr;
}

// The label's message id: "" for an empty label, null for the placeholder.
static const char *label_id(const char *key)
{
    switch (static_cast<KeyId>(_find_type(key))) {
    case KeyId::GammaValue: {
        const GammaTexts *texts = gamma_texts();
        return texts ? texts->label : "";
    }
    case KeyId::LedClearMotion: {
        int chip = 11;
        if (system_info_get_value_int(kChipTypeInfo, &chip) == 0)
            return chip == kChipWithClearMotion ? "TV_SID_CLEAR_MOTION" : "TV_SID_LED_CLEAR_MOTION";
        PLOG_FROM("get_display_name", "cannot get tv chip type!");
        return nullptr;
    }
    default: return nullptr;
    }
}

int get_display_name(const char *key, char **label)
{
    if (!key || !label) {
        PLOG("params error!");
        return -1;
    }
    char *buffer = new_text();
    if (!buffer) {
        PLOG("calloc failed.");
        return -1;
    }
    const char *id = label_id(key);
    if (!id)
        plain_copy(buffer, "My Menu Item");
    else if (*id)
        plain_copy(buffer, translate(id));
    *label = buffer;
    return 0;
}

// The help text of a key whose text follows the TV's state; false when the
// key has none or its state cannot be read.
static bool state_help(const char *key, char *buffer)
{
    int size = -1;
    if (std::strcmp(key, "menu/picture/picturesize/mode") == 0) {
        if (get_picture_size(&size) != 0)
            return false;
    } else if (std::strcmp(key, "menu/picture/picturesize/picturesize-mode-video") == 0) {
        if (vconf_get_int("db/video-player-tv/picture_size", &size) != 0)
            return false;
    } else if (std::strcmp(key, "menu/picture/advanced-settings/org-value-gamma") == 0) {
        if (const GammaTexts *texts = gamma_texts())
            format_copy(buffer, translate(texts->help));
        return true;
    } else if (std::strcmp(key, "menu/picture/picture-options/auto-motion-plus/mode") == 0) {
        bool blur = false;
        if (system_info_get_value_bool(kBlurJudderHelpInfo, &blur) != 0)
            blur = false;
        format_copy(buffer, translate(blur ? "TV_SID_PICTURE_ENHANCE_PICUTRE_SHAPNESS_BLUR_JUDDER"
                                           : "TV_SID_PICTURE_ENHANCE_PICTURE_JUDDER"));
        return true;
    } else {
        return false;
    }
    if (const char *help = size_help(size))
        format_copy(buffer, translate(help));
    return true;
}

int get_help_text(const char *key, char **text)
{
    if (!key || !text)
        return -1;
    char *buffer = new_text();
    if (!buffer)
        return -1;
    if (!state_help(key, buffer)) {
        format_copy(buffer, keypressed_info ? "Info help text" : "My Help Text");
        keypressed_info = false;
    }
    *text = buffer;
    return 0;
}

struct ModuleInfo {
    const char *key;
    const char *value;
};

static const ModuleInfo kModuleInfo[] = {
    {"provider/owner", "pelrond7.vask"},
    {"provider/main-component", "QM_SetupApp"},
    {"provider/sub-component", "QM_Settings"},
};

int get_module_info(const char *info_key, char **value)
{
    if (!info_key || !value)
        return -1;
    for (const ModuleInfo &info : kModuleInfo) {
        if (std::strcmp(info.key, info_key) == 0) {
            char *buffer = new_text();
            if (!buffer)
                return -1;
            plain_copy(buffer, info.value);
            *value = buffer;
            return 0;
        }
    }
    return 0;
}

void send_keyevent(const char *key_name)
{
    if (key_name && std::strcmp(key_name, "XF86Info") == 0)
        keypressed_info = true;
}

}  // namespace picture
