// Stand-in platform services: key-value store, system information,
// application control and context, device power.
#include <cstdlib>
#include <cstring>

#include "app_control.h"
#include "device_power.h"
#include "sim_internal.h"
#include "system_info.h"
#include "vconf.h"

namespace {

constexpr int kError = -1;

const char *or_null(const char *s)
{
    return s ? s : "(null)";
}

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

}  // namespace

// ---- key-value store -------------------------------------------------------

extern "C" SIM_EXPORT int vconf_get_int(const char *key, int *out)
{
    if (auto *f = sim::detail::call("vconf_get_int", "\"%s\", out", or_null(key)))
        return sim::detail::forced_result(*f, out);
    SIM_EXPECT(key && out, "null key or out-parameter");
    auto &ints = sim::state().vconf_int;
    auto it = ints.find(key);
    if (it == ints.end())
        return kError;  // no such entry, or not an integer entry
    *out = it->second;
    return 0;
}

extern "C" SIM_EXPORT int vconf_set_int(const char *key, int value)
{
    if (auto *f = sim::detail::call("vconf_set_int", "\"%s\", %d", or_null(key), value))
        return f->result;
    SIM_EXPECT(key, "null key");
    if (sim::state().vconf_str.count(key))
        return kError;  // an entry keeps its type
    sim::state().vconf_int[key] = value;
    return 0;
}

extern "C" SIM_EXPORT char *vconf_get_str(const char *key)
{
    // Forcing a non-zero result makes the read fail (null); a forced text is the entry.
    if (auto *f = sim::detail::call("vconf_get_str", "\"%s\"", or_null(key))) {
        if (f->text && !f->null)
            return strdup(f->text->c_str());
        if (f->null || f->result != 0)
            return nullptr;
    }
    SIM_EXPECT(key, "null key");
    auto &strs = sim::state().vconf_str;
    auto it = strs.find(key);
    return it == strs.end() ? nullptr : strdup(it->second.c_str());
}

extern "C" SIM_EXPORT int vconf_set_str(const char *key, const char *value)
{
    if (auto *f =
            sim::detail::call("vconf_set_str", "\"%s\", \"%s\"", or_null(key), or_null(value)))
        return f->result;
    SIM_EXPECT(key && value, "null key or value");
    if (sim::state().vconf_int.count(key))
        return kError;
    sim::state().vconf_str[key] = value;
    return 0;
}

static const sim::detail::Registrar reg_vconf{"vconf_get_int", "vconf_set_int", "vconf_get_str",
                                              "vconf_set_str"};

// ---- system information ----------------------------------------------------

// Both readers: the answer for `key`, as the reader's type; -1 for a key the
// TV does not answer.
template <typename T> static int system_info_value(const char *function, int key, T *out)
{
    if (auto *f = sim::detail::call(function, "%d, out", key))
        return sim::detail::forced_result(*f, out);
    SIM_EXPECT(out, "null out-parameter");
    auto &info = sim::state().system_info;
    auto it = info.find(key);
    if (it == info.end())
        return kError;
    *out = static_cast<T>(it->second);
    return 0;
}

extern "C" SIM_EXPORT int system_info_get_value_bool(system_info_key_e key, bool *out)
{
    return system_info_value(__func__, key, out);
}

extern "C" SIM_EXPORT int system_info_get_value_int(system_info_key_e key, int *out)
{
    return system_info_value(__func__, key, out);
}

static const sim::detail::Registrar reg_system_info{"system_info_get_value_bool",
                                                    "system_info_get_value_int"};

// ---- application control ---------------------------------------------------

struct app_control_s {
    sim::LaunchRequest request;
};

extern "C" SIM_EXPORT int app_control_create(app_control_h *handle)
{
    // A replayed answer that handed out a handle (out 1) hands one out here too.
    if (auto *f = sim::detail::call("app_control_create", "out")) {
        if (f->out && *f->out && handle) {
            *handle = new app_control_s;
            sim::state().open_app_controls++;
        }
        return f->result;
    }
    SIM_EXPECT(handle, "null out-parameter");
    *handle = new app_control_s;
    sim::state().open_app_controls++;
    return 0;
}

extern "C" SIM_EXPORT int app_control_set_app_id(app_control_h handle, const char *app_id)
{
    if (auto *f = sim::detail::call("app_control_set_app_id", "handle, \"%s\"", or_null(app_id)))
        return f->result;
    SIM_EXPECT(handle && app_id, "null handle or application id");
    handle->request.app_id = app_id;
    return 0;
}

extern "C" SIM_EXPORT int app_control_add_extra_data(app_control_h handle, const char *key,
                                                     const char *value)
{
    if (auto *f = sim::detail::call("app_control_add_extra_data", "handle, \"%s\", \"%s\"",
                                    or_null(key), or_null(value)))
        return f->result;
    SIM_EXPECT(handle && key && value, "null argument");
    handle->request.extra_data[key] = value;
    return 0;
}

extern "C" SIM_EXPORT int app_control_send_launch_request(app_control_h handle,
                                                          app_control_reply_cb callback,
                                                          void *user_data)
{
    if (auto *f = sim::detail::call("app_control_send_launch_request", "handle, %s, %s",
                                    callback ? "callback" : "null", user_data ? "data" : "null"))
        return f->result;
    SIM_EXPECT(handle, "null handle");
    sim::state().launches.push_back(handle->request);
    return 0;
}

extern "C" SIM_EXPORT int app_control_destroy(app_control_h handle)
{
    // A forced success still frees the handle.
    if (auto *f = sim::detail::call("app_control_destroy", "handle");
        f && (f->result != 0 || !handle))
        return f->result;
    SIM_EXPECT(handle, "null handle");
    delete handle;
    sim::state().open_app_controls--;
    return 0;
}

static const sim::detail::Registrar reg_app_create{{"app_control_create"}, refuse_create};
static const sim::detail::Registrar reg_app_control{
    "app_control_set_app_id", "app_control_add_extra_data", "app_control_send_launch_request",
    "app_control_destroy"};

// ---- application context ---------------------------------------------------

extern "C" SIM_EXPORT int app_context_manager_init(void)
{
    if (auto *f = sim::detail::call("app_context_manager_init", "%s", ""))
        return f->result;
    sim::state().app_context_open = true;
    return 0;
}

extern "C" SIM_EXPORT int app_context_manager_check_visible(char *app_id, int reserved1,
                                                            int reserved2, int *visible)
{
    if (auto *f = sim::detail::call("app_context_manager_check_visible", "\"%s\", %d, %d, out",
                                    or_null(app_id), reserved1, reserved2))
        return sim::detail::forced_result(*f, visible);
    SIM_EXPECT(app_id && visible, "null application id or out-parameter");
    SIM_EXPECT(sim::state().app_context_open, "application context manager not initialised");
    *visible = sim::state().visible_apps.count(app_id) ? 1 : 0;
    return 0;
}

extern "C" SIM_EXPORT int app_context_manager_fini(void)
{
    if (auto *f = sim::detail::call("app_context_manager_fini", "%s", ""))
        return f->result;
    sim::state().app_context_open = false;
    return 0;
}

static const sim::detail::Registrar reg_app_context_init{{"app_context_manager_init"},
                                                         refuse_success};
static const sim::detail::Registrar reg_app_context{"app_context_manager_check_visible",
                                                    "app_context_manager_fini"};

// ---- device power ----------------------------------------------------------

extern "C" SIM_EXPORT int device_power_set_state(int state, int flag)
{
    if (auto *f = sim::detail::call("device_power_set_state", "%d, %d", state, flag))
        return f->result;
    sim::state().power_state = state;
    return 0;
}

static const sim::detail::Registrar reg_device_power{"device_power_set_state"};
