// libFuzzer target: the input is a sequence of host requests on the operation
// table, mixed with platform results forced through the stand-in. After each
// request the host's view must hold: a status the operation may return, every
// string and list handed out readable and freed, the PIP connection closed
// again, and every log line of the provider well formed.
#include <dlfcn.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "picture_keys.h"
#include "picture_provider.h"
#include "sim/control.h"

namespace {

#define FUZZ_CHECK(cond, what)                                                                     \
    do {                                                                                           \
        if (!(cond))                                                                               \
            fail(what, #cond);                                                                     \
    } while (0)

std::string g_request;  // the request being checked, for the failure message

[[noreturn]] void fail(const char *what, const char *cond)
{
    std::fprintf(stderr, "provider_fuzz: %s (%s) after %s\n", what, cond, g_request.c_str());
    std::abort();
}

// The provider, loaded once with dlopen as the settings host loads it.
struct Library {
    provider_create_fn create;
    provider_delete_fn destroy;
};

const Library &library()
{
    static const Library lib = [] {
        void *h = dlopen(PROVIDER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!h) {
            std::fprintf(stderr, "cannot load the provider: %s\n", dlerror());
            std::abort();
        }
        return Library{reinterpret_cast<provider_create_fn>(dlsym(h, "create_provider")),
                       reinterpret_cast<provider_delete_fn>(dlsym(h, "delete_provider"))};
    }();
    return lib;
}

provider_op *create_table()
{
    provider_op *table = nullptr;
    FUZZ_CHECK(library().create(&table) == 0 && table, "create_provider failed");
    return table;
}

const char *const kModuleKeys[] = {"provider/owner", "provider/main-component",
                                   "provider/sub-component"};
const char *const kStepValues[] = {"Up", "Down", "up", "", "Up "};
const int kValues[] = {0, 1, 2, 3, 4, 5, 7, 255, 256, -1, -2, 0x7fffffff, -0x7fffffff - 1};

// Requests a host can make, and the fuzzer's own control of the platform.
enum class Request {
    GetInt,
    SetInt,
    SetIntPre,
    SetString,
    GetString,
    DisplayName,
    HelpText,
    ModuleInfo,
    ListItems,
    KeyEvent,
    Stubs,
    Force,
    Unforce,
    Count
};

class Session {
public:
    Session(const uint8_t *data, size_t size) : in_(data, size), table_(create_table()) {}
    ~Session() { library().destroy(&table_); }

    void run();

private:
    template <typename F> F op(provider_slot slot) const
    {
        return reinterpret_cast<F>(table_[slot]);
    }

    std::string key();
    const char *maybe_null(const std::string &s)
    {
        return in_.ConsumeIntegralInRange(0, 15) ? s.c_str() : nullptr;
    }
    int menu_value();
    void request(Request r);
    void int_request(Request r);
    void string_request(Request r);
    void list_request();
    void stubs();
    void force();
    void take_string(int status, char *text, std::initializer_list<int> allowed);
    void check_after();

    FuzzedDataProvider in_;
    provider_op *table_;
    std::set<int> forced_results_;
};

// A key of the table, the PIP channel key, or one of them mutated.
std::string Session::key()
{
    std::size_t pick = in_.ConsumeIntegralInRange<std::size_t>(0, std::size(picture_setting_keys));
    std::string k = pick < std::size(picture_setting_keys) ? picture_setting_keys[pick]
                                                           : PICTURE_PIP_CHANNEL_KEY;
    switch (in_.ConsumeIntegralInRange(0, 7)) {
    case 0:
        if (!k.empty())
            k.pop_back();
        break;
    case 1: k.push_back(static_cast<char>(in_.ConsumeIntegral<uint8_t>())); break;
    case 2: k[in_.ConsumeIntegralInRange<std::size_t>(0, k.size() - 1)] ^= 0x20; break;
    case 3: k.resize(in_.ConsumeIntegralInRange<std::size_t>(0, k.size())); break;
    case 4: k = in_.ConsumeRandomLengthString(64); break;
    default: break;  // the key as it is, the most frequent case
    }
    k.erase(std::find(k.begin(), k.end(), '\0'), k.end());  // the key as the provider sees it
    return k;
}

int Session::menu_value()
{
    if (in_.ConsumeBool())
        return in_.PickValueInArray(kValues);
    return in_.ConsumeIntegral<int>();
}

void Session::run()
{
    for (int n = 0; n < 64 && in_.remaining_bytes() > 0; ++n) {
        auto r = static_cast<Request>(
            in_.ConsumeIntegralInRange(0, static_cast<int>(Request::Count) - 1));
        sim::clear_log();
        sim::clear_journal();
        request(r);
        check_after();
    }
}

void Session::request(Request r)
{
    switch (r) {
    case Request::GetInt:
    case Request::SetInt:
    case Request::SetIntPre: int_request(r); break;
    case Request::ListItems: list_request(); break;
    case Request::Stubs: stubs(); break;
    case Request::Force: force(); break;
    case Request::Unforce:
        g_request = "unforce";
        sim::reset();  // forgets every forced result and restores the TV's defaults
        forced_results_.clear();
        break;
    default: string_request(r); break;
    }
}

// get_int, set_int, set_int_pre: 0 or 1 through the common exit, -1 from a
// case that leaves early, or a forced platform result passed straight back.
void Session::int_request(Request r)
{
    std::string k = key();
    const char *kp = maybe_null(k);
    int v = menu_value();
    int status = 0;
    if (r == Request::GetInt) {
        g_request = "get_int(\"" + k + "\")";
        int out = v;
        status = op<provider_get_int_fn>(PROVIDER_SLOT_GET_INT)(kp, &out);
    } else {
        bool commit = r == Request::SetInt;
        g_request = std::string(commit ? "set_int" : "set_int_pre") + "(\"" + k + "\", " +
                    std::to_string(v) + ")";
        status = op<provider_set_int_fn>(commit ? PROVIDER_SLOT_SET_INT
                                                : PROVIDER_SLOT_SET_INT_PRE)(kp, v);
    }
    FUZZ_CHECK(status == 0 || status == 1 || status == -1 || forced_results_.count(status),
               "status the operation may not return");
}

// A handed-out string is a readable 512-byte buffer, given back at once.
void Session::take_string(int status, char *text, std::initializer_list<int> allowed)
{
    FUZZ_CHECK(std::find(allowed.begin(), allowed.end(), status) != allowed.end(),
               "status the operation may not return");
    if (!text)
        return;
    FUZZ_CHECK(strnlen(text, 512) < 512, "string without a terminator in its 512 bytes");
    FUZZ_CHECK(op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(text) == 0,
               "release_string refused a string of the provider");
}

void Session::string_request(Request r)
{
    std::string k = key();
    char *text = nullptr;
    auto get = [&](provider_slot slot, const char *name, const char *argument) {
        g_request = std::string(name) + "(\"" + (argument ? argument : "(null)") + "\")";
        return op<provider_get_string_fn>(slot)(argument, &text);
    };
    switch (r) {
    case Request::SetString: {
        std::string v = in_.ConsumeBool() ? in_.PickValueInArray(kStepValues)
                                          : in_.ConsumeRandomLengthString(16);
        g_request = "set_string(\"" + k + "\", \"" + v + "\")";
        int status =
            op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(maybe_null(k), maybe_null(v));
        FUZZ_CHECK(status == 0 || status == -1, "status the operation may not return");
        break;
    }
    case Request::GetString:
        take_string(get(PROVIDER_SLOT_GET_STRING, "get_string", maybe_null(k)), text, {0, -1});
        break;
    case Request::DisplayName:
        take_string(get(PROVIDER_SLOT_GET_DISPLAY_NAME, "get_display_name", maybe_null(k)), text,
                    {0, -1});
        break;
    case Request::HelpText:  // the host never passes a null key here
        take_string(get(PROVIDER_SLOT_GET_HELP_TEXT, "get_help_text", k.c_str()), text, {0});
        break;
    case Request::ModuleInfo: {
        std::string info = in_.ConsumeBool() ? std::string(in_.PickValueInArray(kModuleKeys)) : k;
        take_string(get(PROVIDER_SLOT_GET_MODULE_INFO, "get_module_info", maybe_null(info)), text,
                    {0, -1});
        break;
    }
    default: {
        std::string name = in_.ConsumeBool() ? "XF86Info" : k;
        g_request = "send_keyevent(\"" + name + "\")";
        op<provider_send_keyevent_fn>(PROVIDER_SLOT_SEND_KEYEVENT)(maybe_null(name));
        break;
    }
    }
}

// A list is read through the accessors, as the host does, and given back.
void Session::list_request()
{
    std::string k = key();
    g_request = "get_list_items(\"" + k + "\")";
    const int untouched = -7;
    int count = untouched;
    void **items =
        op<provider_get_list_items_fn>(PROVIDER_SLOT_GET_LIST_ITEMS)(maybe_null(k), &count);
    if (!items) {
        FUZZ_CHECK(count == untouched || count == 0, "count written for a list not handed out");
        return;
    }
    FUZZ_CHECK(count >= 0, "negative count");
    auto display = op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE);
    auto string = op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE);
    auto number = op<provider_get_item_int_fn>(PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE);
    for (int i = 0; i < count; ++i) {
        char *d = nullptr;
        char *s = nullptr;
        int v = 0;
        FUZZ_CHECK(display(items[i], &d) == 0 && string(items[i], &s) == 0 &&
                       number(items[i], &v) == 0,
                   "accessor failed");
        FUZZ_CHECK(d && strnlen(d, 512) < 512, "display value not a terminated 512-byte text");
        FUZZ_CHECK(!s || strnlen(s, 512) < 512, "string value not a terminated 512-byte text");
    }
    FUZZ_CHECK(op<provider_free_list_items_fn>(PROVIDER_SLOT_FREE_LIST_ITEMS)(items, count) == 0,
               "free_list_items failed");
}

void Session::stubs()
{
    std::string k = key();
    g_request = "bool and double stubs(\"" + k + "\")";
    bool b = true;
    double d = 2.5;
    FUZZ_CHECK(op<provider_set_bool_fn>(PROVIDER_SLOT_SET_BOOL)(k.c_str(), in_.ConsumeBool()) ==
                       0 &&
                   op<provider_set_double_fn>(PROVIDER_SLOT_SET_DOUBLE)(k.c_str(), 1.0) == 0 &&
                   op<provider_get_bool_fn>(PROVIDER_SLOT_GET_BOOL)(k.c_str(), &b) == 0 &&
                   op<provider_get_double_fn>(PROVIDER_SLOT_GET_DOUBLE)(k.c_str(), &d) == 0,
               "a stub returned non-zero");
    FUZZ_CHECK(b && d == 2.5, "a stub wrote its out-parameter");
    FUZZ_CHECK(op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(nullptr) == 1,
               "release_string(null) is not 1");
}

// Releases keep their object when forced (the stand-in skips their work),
// so forcing them would show the stand-in's leak, not the provider's.
bool is_release(const std::string &function)
{
    static const std::set<std::string> releases = {
        "app_control_destroy", "app_context_manager_fini", "IReferenceCount::DecreaseCount"};
    return releases.count(function) > 0;
}

// A platform function made to fail (or succeed) with an odd out value.
void Session::force()
{
    static const std::vector<std::string> functions = [] {
        std::vector<std::string> names = sim::known_functions();
        names.erase(std::remove_if(names.begin(), names.end(), is_release), names.end());
        return names;
    }();
    const std::string &f =
        functions[in_.ConsumeIntegralInRange<std::size_t>(0, functions.size() - 1)];
    int result =
        in_.ConsumeBool() ? in_.PickValueInArray({0, -1, 1, 2}) : in_.ConsumeIntegral<int>();
    std::optional<long long> out;
    // A factory's out value is its object: only a null one makes sense.
    bool factory = f.find("Create") != std::string::npos;
    if (in_.ConsumeBool())
        out = factory ? 0 : in_.ConsumeIntegral<long long>();
    // Success without the work would leave no handle or context to use.
    if (result == 0 && (f == "app_control_create" || f == "app_context_manager_init"))
        result = -1;
    g_request = "force(" + f + ", " + std::to_string(result) + ")";
    sim::force(f, result, out);
    forced_results_.insert(result);
}

void Session::check_after()
{
    const sim::State &state = sim::state();
    FUZZ_CHECK(state.tv.reference_count == 0, "the PIP connection was left open");
    FUZZ_CHECK(state.open_app_controls == 0, "an application control was not destroyed");
    FUZZ_CHECK(!state.app_context_open, "the application context was left open");
    for (const sim::LogLine &l : sim::log()) {
        bool line = l.well_formed && l.priority == 5 && l.tag == "menu-provider";
        // The one line of another form: a channel list item, "file: function(line) > a, b".
        bool channel_item = !l.well_formed && l.priority == 3 && l.tag == "menu-provider" &&
                            !l.file.empty() && !l.function.empty() && l.raw.back() != '\n';
        if (!line && !channel_item) {
            std::fprintf(stderr, "malformed log line: %d/%s: %s\n", l.priority, l.tag.c_str(),
                         l.raw.c_str());
            FUZZ_CHECK(false, "malformed log line");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    sim::reset();
    Session(data, size).run();
    return 0;
}
