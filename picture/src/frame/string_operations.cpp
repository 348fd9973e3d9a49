// The string operations, which know one key, the PIP channel key outside the
// key table: set_string steps the channel, get_string describes it.
#include <cstring>

#include "boundary.h"
#include "keys.h"
#include "lists.h"
#include "log.h"
#include "menu_util.h"
#include "operations.h"
#include "pip_service.h"
#include "text_domain.h"

namespace picture {

struct StepCommand {
    const char *value;
    int (*step)(int nTvMode);
};

static const StepCommand kStepCommands[] = {
    {"Up", tv_pip_service_channel_next},
    {"Down", tv_pip_service_channel_prev},
};

static void step_pip_channel(const char *op, const char *value)
{
    PLOG_FROM(op, "Set PIP channel.");
    int antenna = GetAntennaModePIP();
    PipConnection pip;
    if (!pip.open()) {
        PLOG_FROM(op, "tv_pip_service_init Failed. Cannot save pip channel.");
        pip.close();
        return;
    }
    for (const StepCommand &command : kStepCommands)
        if (std::strcmp(value, command.value) == 0)
            command.step(antenna);
}

int set_string(const char *key, const char *value)
{
    const char *op = __func__;
    if (!key || !value)
        return -1;
    PLOG("Picture Menu set string[%s] value[%s]", key, value);
    if (std::strcmp(key, kPipChannelKey) == 0)
        guarded(0, [&] {
            step_pip_channel(op, value);
            return 0;
        });
    return 0;
}

// The PIP channel's text, or the translated "SID_NONE" where the menu
// utility leaves the buffer alone; the buffer goes to the host either way.
static int channel_text(const char *op, char **value)
{
    char *text = new_text();
    if (!text) {
        PLOG_FROM(op, "Fail to calloc(1, sizeof(char)*255)");
        return -1;
    }
    format_copy(text, translate("SID_NONE"));
    *value = text;
    if (CMenuUtil::GetChannelString(text, true) != 0) {
        PLOG_FROM(op, "GetChannelString fails");
        return -1;
    }
    PLOG_FROM(op, "pChName : %s", text);
    return 0;
}

int get_string(const char *key, char **value)
{
    const char *op = __func__;
    if (!key || !value)
        return -1;
    if (std::strcmp(key, kPipChannelKey) != 0)
        return 0;
    return guarded(-1, [&] { return channel_text(op, value); });
}

}  // namespace picture
