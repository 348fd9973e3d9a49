// Stand-in platform services: key-value store, system information,
// application control and context, device power. Their functions are
// expanded from the headers' rows; each does the work below.
#include <cstdlib>
#include <cstring>

#include "app_control.h"
#include "device_power.h"
#include "sim_internal.h"
#include "system_info.h"
#include "vconf.h"

namespace {

constexpr int kError = -1;

// A forced call skips the work, so a forced success would report a context
// that was never made.
const char *refuse_success(const sim::detail::Forced &forced)
{
    return forced.result == 0 ? "a forced success would make nothing; force a failure" : nullptr;
}

// A forced create makes a handle only when its out says so (out 1): a
// success has to hand one out, a failure must not, or nobody destroys it.
const char *refuse_create(const sim::detail::Forced &forced)
{
    bool handle = forced.out && *forced.out != 0;
    if (forced.result == 0 && !handle)
        return "a forced success would make nothing; force a failure, or a success with out 1";
    if (forced.result != 0 && handle)
        return "a failure hands out no handle; force it without out 1";
    return nullptr;
}

// Both system information readers: the answer for `key`, as the reader's
// type; -1 for a key the TV does not answer.
template <typename T> int system_info_value(const sim::detail::Forced *forced, int key, T *out)
{
    if (forced)
        return sim::detail::forced_result(*forced, out);
    SIM_EXPECT(out, "null out-parameter");
    auto &info = sim::state().system_info;
    auto it = info.find(key);
    if (it == info.end())
        return kError;
    *out = static_cast<T>(it->second);
    return 0;
}

}  // namespace

struct app_control_s {
    sim::LaunchRequest request;
};

namespace sim::detail {

// ---- key-value store ---------------------------------------------------------

template <> struct Work<&vconf_get_int> {
    static int run(const Forced *forced, const char *key, int *out)
    {
        if (forced)
            return forced_result(*forced, out);
        SIM_EXPECT(key && out, "null key or out-parameter");
        auto &ints = state().vconf_int;
        auto it = ints.find(key);
        if (it == ints.end())
            return kError;  // no such entry, or not an integer entry
        *out = it->second;
        return 0;
    }
};

template <> struct Work<&vconf_set_int> {
    static int run(const Forced *forced, const char *key, int value)
    {
        if (forced)
            return forced->result;
        SIM_EXPECT(key, "null key");
        if (state().vconf_str.count(key))
            return kError;  // an entry keeps its type
        state().vconf_int[key] = value;
        return 0;
    }
};

// Forcing a non-zero result makes the read fail (null); a forced text is the entry.
template <> struct Work<&vconf_get_str> {
    static char *run(const Forced *forced, const char *key)
    {
        if (forced && forced->text && !forced->null)
            return strdup(forced->text->c_str());
        if (forced && (forced->null || forced->result != 0))
            return nullptr;
        SIM_EXPECT(key, "null key");
        auto &strs = state().vconf_str;
        auto it = strs.find(key);
        return it == strs.end() ? nullptr : strdup(it->second.c_str());
    }
};

template <> struct Work<&vconf_set_str> {
    static int run(const Forced *forced, const char *key, const char *value)
    {
        if (forced)
            return forced->result;
        SIM_EXPECT(key && value, "null key or value");
        if (state().vconf_int.count(key))
            return kError;
        state().vconf_str[key] = value;
        return 0;
    }
};

// ---- system information --------------------------------------------------------

template <> struct Work<&system_info_get_value_bool> {
    static int run(const Forced *forced, system_info_key_e key, bool *out)
    {
        return system_info_value(forced, key, out);
    }
};

template <> struct Work<&system_info_get_value_int> {
    static int run(const Forced *forced, system_info_key_e key, int *out)
    {
        return system_info_value(forced, key, out);
    }
};

// ---- application control ---------------------------------------------------------

// A replayed answer that handed out a handle (out 1) hands one out here too.
template <> struct Work<&app_control_create> {
    static int run(const Forced *forced, app_control_h *handle)
    {
        if (forced && !(forced->out && *forced->out && handle))
            return forced->result;
        SIM_EXPECT(handle, "null out-parameter");
        *handle = new app_control_s;
        state().open_app_controls++;
        return forced ? forced->result : 0;
    }
};

template <> struct Work<&app_control_set_app_id> {
    static int run(const Forced *forced, app_control_h handle, const char *app_id)
    {
        if (forced)
            return forced->result;
        SIM_EXPECT(handle && app_id, "null handle or application id");
        handle->request.app_id = app_id;
        return 0;
    }
};

template <> struct Work<&app_control_add_extra_data> {
    static int run(const Forced *forced, app_control_h handle, const char *key, const char *value)
    {
        if (forced)
            return forced->result;
        SIM_EXPECT(handle && key && value, "null argument");
        handle->request.extra_data[key] = value;
        return 0;
    }
};

template <> struct Work<&app_control_send_launch_request> {
    static int run(const Forced *forced, app_control_h handle, app_control_reply_cb, void *)
    {
        if (forced)
            return forced->result;
        SIM_EXPECT(handle, "null handle");
        state().launches.push_back(handle->request);
        return 0;
    }
};

// A forced success still frees the handle.
template <> struct Work<&app_control_destroy> {
    static int run(const Forced *forced, app_control_h handle)
    {
        if (forced && (forced->result != 0 || !handle))
            return forced->result;
        SIM_EXPECT(handle, "null handle");
        delete handle;
        state().open_app_controls--;
        return 0;
    }
};

// ---- application context -------------------------------------------------------

template <> struct Work<&app_context_manager_init> {
    static int run(const Forced *forced)
    {
        if (forced)
            return forced->result;
        state().app_context_open = true;
        return 0;
    }
};

template <> struct Work<&app_context_manager_check_visible> {
    static int run(const Forced *forced, char *app_id,  // NOLINT(readability-non-const-parameter)
                   int, int, int *visible)
    {
        if (forced)
            return forced_result(*forced, visible);
        SIM_EXPECT(app_id && visible, "null application id or out-parameter");
        SIM_EXPECT(state().app_context_open, "application context manager not initialised");
        *visible = state().visible_apps.count(app_id) ? 1 : 0;
        return 0;
    }
};

template <> struct Work<&app_context_manager_fini> {
    static int run(const Forced *forced)
    {
        if (forced)
            return forced->result;
        state().app_context_open = false;
        return 0;
    }
};

// ---- device power ----------------------------------------------------------------

template <> struct Work<&device_power_set_state> {
    static int run(const Forced *forced, int power_state, int)
    {
        if (forced)
            return forced->result;
        state().power_state = power_state;
        return 0;
    }
};

}  // namespace sim::detail

PLATFORM_VCONF(SIM_C_FUNCTION)
PLATFORM_SYSTEM_INFO(SIM_C_FUNCTION)
PLATFORM_APP_CONTROL(SIM_C_FUNCTION)
PLATFORM_DEVICE_POWER(SIM_C_FUNCTION)

static const sim::detail::Registrar reg_app_create{calls::Row<&app_control_create>::kName,
                                                   refuse_create};
static const sim::detail::Registrar reg_app_context_init{
    calls::Row<&app_context_manager_init>::kName, refuse_success};
