// Fixed facts about the provider module.
#include <cstring>

#include "lists.h"
#include "operations.h"

namespace picture {

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

}  // namespace picture
