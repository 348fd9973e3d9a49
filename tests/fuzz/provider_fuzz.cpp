// libFuzzer target: the input is a sequence of host requests on the operation
// table, mixed with platform results forced through the stand-in and changes
// of the simulated TV. After each request the host's view must hold: the
// status the operation may return with what is forced at that moment, the
// out-parameters written or left as the operation's rules say, every string
// and list handed out readable and freed, the PIP reference given back
// exactly once, and every log line of the provider well formed.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "picture_keys.h"
#include "picture_provider.h"
#include "provider_loader.h"
#include "sim/control.h"
#include "tv_changes.h"

namespace {

using KeyId = picture_setting_key;

#define FUZZ_CHECK(cond, what)                                                                     \
    do {                                                                                           \
        if (!(cond))                                                                               \
            fail(what, #cond);                                                                     \
    } while (0)

std::string g_request;  // the request being checked, for the failure message

[[noreturn]] void fail(const char *what, const char *cond)
{
    std::fprintf(stderr, "provider_fuzz: %s (%s) after %s\n", what, cond, g_request.c_str());
    for (const std::string &call : sim::journal())
        std::fprintf(stderr, "  call: %s\n", call.c_str());
    for (const auto &[name, f] : sim::forced())
        std::fprintf(stderr, "  forced: %s %d\n", name.c_str(), f.result);
    std::abort();
}

// The provider, loaded once as the settings host loads it.
const loader::Provider &library()
{
    static const loader::Provider lib = loader::load_provider_or_exit(PROVIDER_LIBRARY);
    return lib;
}

// ---- what the operations promise ------------------------------------------------

// Keys that an integer operation treats as unknown, or whose case does
// nothing: status 1, no platform call, a get's value untouched.
const KeyId kNoGet[] = {PICTURE_KEY_PositionMediaPlayer,  PICTURE_KEY_ColorSpaceReset,
                        PICTURE_KEY_WhiteBalanceReset,    PICTURE_KEY_WhiteBalance10pReset,
                        PICTURE_KEY_WhiteBalance20pReset, PICTURE_KEY_PictureOff,
                        PICTURE_KEY_PictureReset,         PICTURE_KEY_XvYcc,
                        PICTURE_KEY_MotionJudderCanceller};
const KeyId kNoSet[] = {PICTURE_KEY_PictureSizeEntry,
                        PICTURE_KEY_PictureSizeVideoPlayer,
                        PICTURE_KEY_WideMode219Photo,
                        PICTURE_KEY_WideMode219,
                        PICTURE_KEY_XvYcc,
                        PICTURE_KEY_MotionJudderCanceller};
// The keys with a preview that does something.
const KeyId kPreview[] = {PICTURE_KEY_PictureSizeMode,
                          PICTURE_KEY_PipSize,
                          PICTURE_KEY_PipPosition,
                          PICTURE_KEY_PipSource,
                          PICTURE_KEY_DynamicContrast,
                          PICTURE_KEY_BlackTone,
                          PICTURE_KEY_RgbOnlyMode,
                          PICTURE_KEY_ColorSpaceMode,
                          PICTURE_KEY_ColorSpaceGamut,
                          PICTURE_KEY_ColorSpaceColor,
                          PICTURE_KEY_WhiteBalance10pMode,
                          PICTURE_KEY_WhiteBalance20pMode,
                          PICTURE_KEY_GammaConfig,
                          PICTURE_KEY_BlackEnhancer,
                          PICTURE_KEY_ColorTone,
                          PICTURE_KEY_DigitalCleanView,
                          PICTURE_KEY_MpegNoiseFilter,
                          PICTURE_KEY_HdmiBlackLevel,
                          PICTURE_KEY_FilmMode,
                          PICTURE_KEY_AutoMotionPlusMode,
                          PICTURE_KEY_LedClearMotion,
                          PICTURE_KEY_SmartLed,
                          PICTURE_KEY_CinemaBlack,
                          PICTURE_KEY_BlackOptimizer,
                          PICTURE_KEY_PictureSize43,
                          PICTURE_KEY_AutoWide,
                          PICTURE_KEY_ScreenFit,
                          PICTURE_KEY_ScreenFitMediaPlayer,
                          PICTURE_KEY_Panorama};

// Keys that translate through a value table: menu values 0 to count - 1. A
// get that succeeds reports one of them; a set of any other value reaches
// no platform function.
struct TableKey {
    KeyId id;
    int count;
};
const TableKey kTableKeys[] = {
    {PICTURE_KEY_DynamicContrast, 6},    {PICTURE_KEY_BlackTone, 4},
    {PICTURE_KEY_RgbOnlyMode, 4},        {PICTURE_KEY_ColorSpaceMode, 3},
    {PICTURE_KEY_ColorSpaceGamut, 5},    {PICTURE_KEY_ColorSpaceColor, 6},
    {PICTURE_KEY_GammaConfig, 3},        {PICTURE_KEY_ColorTone, 5},
    {PICTURE_KEY_DigitalCleanView, 6},   {PICTURE_KEY_MpegNoiseFilter, 6},
    {PICTURE_KEY_HdmiBlackLevel, 3},     {PICTURE_KEY_FilmMode, 3},
    {PICTURE_KEY_AutoMotionPlusMode, 5}, {PICTURE_KEY_LedClearMotion, 2},
    {PICTURE_KEY_SmartLed, 6},           {PICTURE_KEY_CinemaBlack, 5},
    {PICTURE_KEY_BlackOptimizer, 3}};

// The help texts that depend on the TV; every other key gets a placeholder.
const char *const kStateHelpKeys[] = {"menu/picture/picturesize/mode",
                                      "menu/picture/picturesize/picturesize-mode-video",
                                      "menu/picture/advanced-settings/org-value-gamma",
                                      "menu/picture/picture-options/auto-motion-plus/mode"};
// The labels that depend on the TV; every other key is "My Menu Item".
const char *const kStateLabelKeys[] = {
    "menu/picture/advanced-settings/org-value-gamma",
    "menu/picture/picture-options/auto-motion-plus/led-clear-motion"};
const char *const kModuleKeys[] = {"provider/owner", "provider/main-component",
                                   "provider/sub-component"};
const char *const kStepValues[] = {"Up", "Down", "up", "", "Up "};
const int kValues[] = {0, 1, 2, 3, 4, 5, 7, 255, 256, -1, -2, 0x7fffffff, -0x7fffffff - 1};

template <typename T, std::size_t N> bool contains(const T (&table)[N], const T &v)
{
    return std::find(std::begin(table), std::end(table), v) != std::end(table);
}

bool contains_text(const char *const *begin, const char *const *end, const std::string &key)
{
    return std::any_of(begin, end, [&](const char *k) { return key == k; });
}

// The id of a key of the table, or none.
std::optional<KeyId> key_id(const char *key)
{
    if (!key)
        return std::nullopt;
    for (int i = 0; i < PICTURE_SETTING_KEY_COUNT; ++i)
        if (std::strcmp(picture_setting_keys[i], key) == 0)
            return static_cast<KeyId>(i);
    return std::nullopt;
}

std::optional<int> table_count(std::optional<KeyId> id)
{
    for (const TableKey &t : kTableKeys)
        if (id && t.id == *id)
            return t.count;
    return std::nullopt;
}

// The result forced on a function at this moment, if any.
std::optional<int> forced_now(const char *function)
{
    std::map<std::string, sim::Answer> forced = sim::forced();
    auto it = forced.find(function);
    return it == forced.end() ? std::nullopt : std::optional<int>(it->second.result);
}

bool journal_has(const char *prefix)
{
    return std::any_of(sim::journal().begin(), sim::journal().end(),
                       [&](const std::string &e) { return e.rfind(prefix, 0) == 0; });
}

// ---- the session ------------------------------------------------------------------

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
    ChangeTv,
    Count
};

class Session {
public:
    Session(const uint8_t *data, size_t size);
    ~Session() { library().destroy(&table_); }
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    void run();

private:
    template <typename F> F op(provider_slot slot) const
    {
        return reinterpret_cast<F>(table_[slot]);
    }

    std::string key();
    // Mostly the text, sometimes null, as a careless host might pass.
    const char *maybe_null(const std::string &s)
    {
        return in_.ConsumeIntegralInRange(0, 15) ? s.c_str() : nullptr;
    }
    int menu_value();
    void request(Request r);
    void get_int();
    void set_int(bool commit);
    void set_string();
    void get_string();
    void display_name();
    void help_text();
    void module_info();
    void key_event();
    void list_request();
    void free_list(void **items, int count);
    void stubs();
    void force();
    void unforce();
    void take_string(char *text);
    void check_after() const;

    FuzzedDataProvider in_;
    provider_op *table_ = nullptr;
    bool info_key_ = false;  // the Info-key flag as the host's requests leave it
};

// A new table for each input, and the Info-key flag cleared through the
// table: a help text that falls to the placeholder consumes it. So each
// input starts from the same provider and replays on its own.
Session::Session(const uint8_t *data, size_t size) : in_(data, size)
{
    g_request = "create_provider";
    FUZZ_CHECK(library().create(&table_) == 0 && table_, "create_provider failed");
    char *text = nullptr;
    op<provider_get_string_fn>(PROVIDER_SLOT_GET_HELP_TEXT)("menu/picture/reset", &text);
    op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(text);
}

// A key of the table, the PIP channel key, or one of them mutated; some
// longer than the 64 bytes the host's keys have.
std::string Session::key()
{
    std::size_t pick = in_.ConsumeIntegralInRange<std::size_t>(0, std::size(picture_setting_keys));
    std::string k = pick < std::size(picture_setting_keys) ? picture_setting_keys[pick]
                                                           : PICTURE_PIP_CHANNEL_KEY;
    switch (in_.ConsumeIntegralInRange(0, 9)) {
    case 0:
        if (!k.empty())
            k.pop_back();
        break;
    case 1: k.push_back(static_cast<char>(in_.ConsumeIntegral<uint8_t>())); break;
    case 2: k[in_.ConsumeIntegralInRange<std::size_t>(0, k.size() - 1)] ^= 0x20; break;
    case 3: k.resize(in_.ConsumeIntegralInRange<std::size_t>(0, k.size())); break;
    case 4: k = in_.ConsumeRandomLengthString(300); break;
    case 5: k += std::string(in_.ConsumeIntegralInRange(1, 400), '/'); break;
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
    case Request::GetInt: get_int(); break;
    case Request::SetInt: set_int(true); break;
    case Request::SetIntPre: set_int(false); break;
    case Request::SetString: set_string(); break;
    case Request::GetString: get_string(); break;
    case Request::DisplayName: display_name(); break;
    case Request::HelpText: help_text(); break;
    case Request::ModuleInfo: module_info(); break;
    case Request::ListItems: list_request(); break;
    case Request::KeyEvent: key_event(); break;
    case Request::Stubs: stubs(); break;
    case Request::Force: force(); break;
    case Request::Unforce: unforce(); break;
    default: g_request = fuzz::change_tv(in_); break;
    }
}

// ---- integer operations -------------------------------------------------------------

// 0 or 1 through the common exit, -1 from a case that leaves early, and the
// antenna's own result from the menu utility, forced or not.
bool int_status_allowed(int status, std::optional<KeyId> id, const char *antenna_function)
{
    if (status == 0 || status == 1 || status == -1)
        return true;
    return id == PICTURE_KEY_PipAntenna && forced_now(antenna_function) == status;
}

void Session::get_int()
{
    std::string k = key();
    const char *kp = maybe_null(k);
    const int before = menu_value();
    int out = before;
    bool null_out = in_.ConsumeIntegralInRange(0, 15) == 0;
    g_request = "get_int(\"" + std::string(kp ? k : "(null)") + "\"" + (null_out ? ", null)" : ")");
    int status = op<provider_get_int_fn>(PROVIDER_SLOT_GET_INT)(kp, null_out ? nullptr : &out);
    std::optional<KeyId> id = key_id(kp);
    FUZZ_CHECK(int_status_allowed(status, id, "CAntennaUtil::GetAntennaMode"),
               "status the operation may not return");
    if (null_out || !id || contains(kNoGet, *id)) {
        FUZZ_CHECK(status == 1 && out == before && sim::journal().empty(),
                   "an unknown key was not answered with 1, untouched and no platform call");
        return;
    }
    if (std::optional<int> count = table_count(id); count && status == 0)
        FUZZ_CHECK(out >= 0 && out < *count, "a value outside the key's menu values");
}

void Session::set_int(bool commit)
{
    std::string k = key();
    const char *kp = maybe_null(k);
    int v = menu_value();
    g_request = std::string(commit ? "set_int" : "set_int_pre") + "(\"" + (kp ? k : "(null)") +
                "\", " + std::to_string(v) + ")";
    int status =
        op<provider_set_int_fn>(commit ? PROVIDER_SLOT_SET_INT : PROVIDER_SLOT_SET_INT_PRE)(kp, v);
    std::optional<KeyId> id = key_id(kp);
    FUZZ_CHECK(
        int_status_allowed(status, commit ? id : std::nullopt, "CAntennaUtil::SetAntennaMode"),
        "status the operation may not return");
    bool known = id && (commit ? !contains(kNoSet, *id) : contains(kPreview, *id));
    if (!known) {
        FUZZ_CHECK(status == 1 && sim::journal().empty(),
                   "an unknown key was not answered with 1 and no platform call");
        return;
    }
    if (std::optional<int> count = table_count(id); count && (v < 0 || v >= *count))
        FUZZ_CHECK(status == 1 && !journal_has("avoc_set_"),
                   "an out-of-range value reached the output control");
}

// ---- strings ----------------------------------------------------------------------------

// A handed-out string is a readable 512-byte buffer, given back at once.
void Session::take_string(char *text)
{
    if (!text)
        return;
    FUZZ_CHECK(strnlen(text, 512) < 512, "string without a terminator in its 512 bytes");
    FUZZ_CHECK(op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(text) == 0,
               "release_string refused a string of the provider");
}

// Sentinel for an out-parameter that must stay as the host set it.
char *untouched()
{
    static char text[] = "untouched";
    return text;
}

void Session::set_string()
{
    std::string k = key();
    std::string v =
        in_.ConsumeBool() ? in_.PickValueInArray(kStepValues) : in_.ConsumeRandomLengthString(16);
    const char *kp = maybe_null(k);
    const char *vp = maybe_null(v);
    g_request =
        "set_string(\"" + std::string(kp ? k : "(null)") + "\", \"" + (vp ? v : "(null)") + "\")";
    int status = op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(kp, vp);
    FUZZ_CHECK(status == ((kp && vp) ? 0 : -1), "set_string status other than 0, or -1 for null");
}

void Session::get_string()
{
    std::string k = key();
    const char *kp = maybe_null(k);
    bool null_out = in_.ConsumeIntegralInRange(0, 15) == 0;
    char *text = untouched();
    g_request = "get_string(\"" + std::string(kp ? k : "(null)") + "\")";
    int status =
        op<provider_get_string_fn>(PROVIDER_SLOT_GET_STRING)(kp, null_out ? nullptr : &text);
    if (!kp || null_out) {
        FUZZ_CHECK(status == -1 && text == untouched(), "null argument not refused");
    } else if (k != PICTURE_PIP_CHANNEL_KEY) {
        FUZZ_CHECK(status == 0 && text == untouched(), "another key's string was touched");
    } else {
        FUZZ_CHECK(status == -1 || (status == 0 && text != untouched() && text),
                   "channel text: not 0 with a text, nor -1");
        if (text != untouched())
            take_string(text);
    }
}

void Session::display_name()
{
    std::string k = key();
    const char *kp = maybe_null(k);
    bool null_out = in_.ConsumeIntegralInRange(0, 15) == 0;
    char *text = untouched();
    g_request = "get_display_name(\"" + std::string(kp ? k : "(null)") + "\")";
    int status =
        op<provider_get_string_fn>(PROVIDER_SLOT_GET_DISPLAY_NAME)(kp, null_out ? nullptr : &text);
    if (!kp || null_out) {
        FUZZ_CHECK(status == -1 && text == untouched(), "null argument not refused");
        return;
    }
    FUZZ_CHECK(status == 0 && text && text != untouched(), "label: status 0 without a text");
    if (!contains_text(std::begin(kStateLabelKeys), std::end(kStateLabelKeys), k))
        FUZZ_CHECK(std::strcmp(text, "My Menu Item") == 0,
                   "a fixed label other than the placeholder");
    take_string(text);
}

// The placeholder tells the Info key: once after each Info key, then the
// plain one again; the texts that depend on the TV leave the flag alone.
void Session::help_text()
{
    std::string k = key();
    const char *kp = maybe_null(k);
    bool null_out = in_.ConsumeIntegralInRange(0, 15) == 0;
    char *text = untouched();
    g_request = "get_help_text(\"" + std::string(kp ? k : "(null)") + "\")";
    int status =
        op<provider_get_string_fn>(PROVIDER_SLOT_GET_HELP_TEXT)(kp, null_out ? nullptr : &text);
    if (!kp || null_out) {
        FUZZ_CHECK(status != 0 && text == untouched(), "null argument taken");
        return;
    }
    FUZZ_CHECK(status == 0 && text && text != untouched(), "help text: status 0 without a text");
    bool placeholder =
        std::strcmp(text, "Info help text") == 0 || std::strcmp(text, "My Help Text") == 0;
    if (!contains_text(std::begin(kStateHelpKeys), std::end(kStateHelpKeys), k))
        FUZZ_CHECK(placeholder, "a fixed help text other than the placeholder");
    if (placeholder) {
        FUZZ_CHECK(std::strcmp(text, info_key_ ? "Info help text" : "My Help Text") == 0,
                   "the placeholder does not follow the Info key");
        info_key_ = false;
    }
    take_string(text);
}

void Session::module_info()
{
    std::string k = key();
    std::string info = in_.ConsumeBool() ? std::string(in_.PickValueInArray(kModuleKeys)) : k;
    const char *ip = maybe_null(info);
    bool null_out = in_.ConsumeIntegralInRange(0, 15) == 0;
    char *text = untouched();
    g_request = "get_module_info(\"" + std::string(ip ? info : "(null)") + "\")";
    int status =
        op<provider_get_string_fn>(PROVIDER_SLOT_GET_MODULE_INFO)(ip, null_out ? nullptr : &text);
    if (!ip || null_out) {
        FUZZ_CHECK(status == -1 && text == untouched(), "null argument not refused");
    } else if (contains_text(std::begin(kModuleKeys), std::end(kModuleKeys), info)) {
        FUZZ_CHECK(status == 0 && text && text != untouched() && *text,
                   "module info: status 0 without a text");
        take_string(text);
    } else {
        FUZZ_CHECK(status == 0 && text == untouched(), "an unknown info key was answered");
    }
}

void Session::key_event()
{
    std::string name = in_.ConsumeBool() ? "XF86Info" : key();
    const char *np = maybe_null(name);
    g_request = "send_keyevent(\"" + std::string(np ? name : "(null)") + "\")";
    op<provider_send_keyevent_fn>(PROVIDER_SLOT_SEND_KEYEVENT)(np);
    if (np && name == "XF86Info")
        info_key_ = true;
    FUZZ_CHECK(sim::journal().empty(), "a key event called the platform");
}

// ---- lists -------------------------------------------------------------------------------

// A list is read through the accessors, as the host does, and given back.
void Session::list_request()
{
    std::string k = key();
    const char *kp = maybe_null(k);
    bool null_count = in_.ConsumeIntegralInRange(0, 15) == 0;
    g_request = "get_list_items(\"" + std::string(kp ? k : "(null)") + "\")";
    const int before = -7;
    int count = before;
    void **items = op<provider_get_list_items_fn>(PROVIDER_SLOT_GET_LIST_ITEMS)(
        kp, null_count ? nullptr : &count);
    if (!items) {
        FUZZ_CHECK(count == before, "count written for a list not handed out");
        return;
    }
    FUZZ_CHECK(!null_count, "a list without a count");
    FUZZ_CHECK(count >= 0, "a list without its count, or a negative one");
    auto display = op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE);
    auto string = op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE);
    auto number = op<provider_get_item_int_fn>(PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE);
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(items[i], "a null item in a list handed out");
        char *d = nullptr;
        char *s = nullptr;
        int v = 0;
        FUZZ_CHECK(display(items[i], &d) == 0 && string(items[i], &s) == 0 &&
                       number(items[i], &v) == 0,
                   "accessor failed");
        FUZZ_CHECK(d && strnlen(d, 512) < 512, "display value not a terminated 512-byte text");
        FUZZ_CHECK(!s || strnlen(s, 512) < 512, "string value not a terminated 512-byte text");
    }
    free_list(items, count);
}

// Gives the list back whole, or in two parts through an array of the host's
// own with null entries, after an array of its own with no count at all.
void Session::free_list(void **items, int count)
{
    auto free_items = op<provider_free_list_items_fn>(PROVIDER_SLOT_FREE_LIST_ITEMS);
    switch (in_.ConsumeIntegralInRange(0, 3)) {
    case 1: {
        // Every other item moves to an array with a null entry between each.
        int size = count * 2 + 1;
        auto **part =
            static_cast<void **>(std::calloc(static_cast<std::size_t>(size), sizeof(void *)));
        for (int i = 0; i < count; i += 2)
            std::swap(part[i * 2 + 1], items[i]);
        FUZZ_CHECK(free_items(part, size) == 0, "free_list_items of null entries failed");
        break;
    }
    case 2: {
        auto **empty = static_cast<void **>(std::calloc(4, sizeof(void *)));
        int none = in_.ConsumeBool() ? 0 : in_.ConsumeIntegralInRange(INT_MIN, -1);
        FUZZ_CHECK(free_items(empty, none) == 0, "free_list_items without a count failed");
        break;
    }
    case 3:
        FUZZ_CHECK(free_items(nullptr, in_.ConsumeIntegral<int>()) == 0,
                   "free_list_items of a null list failed");
        break;
    default: break;
    }
    FUZZ_CHECK(free_items(items, count) == 0, "free_list_items failed");
}

// ---- the rest of the table --------------------------------------------------------------

void Session::stubs()
{
    std::string k = key();
    const char *kp = maybe_null(k);
    g_request = "bool and double stubs(\"" + std::string(kp ? k : "(null)") + "\")";
    bool b = true;
    double d = 2.5;
    FUZZ_CHECK(op<provider_set_bool_fn>(PROVIDER_SLOT_SET_BOOL)(kp, in_.ConsumeBool()) == 0 &&
                   op<provider_set_double_fn>(PROVIDER_SLOT_SET_DOUBLE)(kp, 1.0) == 0 &&
                   op<provider_get_bool_fn>(PROVIDER_SLOT_GET_BOOL)(kp, &b) == 0 &&
                   op<provider_get_double_fn>(PROVIDER_SLOT_GET_DOUBLE)(kp, &d) == 0,
               "a stub returned non-zero");
    FUZZ_CHECK(b && d == 2.5, "a stub wrote its out-parameter");
    FUZZ_CHECK(op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(nullptr) == 1,
               "release_string(null) is not 1");
    FUZZ_CHECK(sim::journal().empty() && sim::log().empty(), "a stub did something");
}

// Releases keep their object when forced (the stand-in skips their work),
// so forcing them would show the stand-in's leak, not the provider's.
bool is_release(const std::string &function)
{
    static const std::set<std::string> releases = {
        "app_control_destroy", "app_context_manager_fini", "IReferenceCount::DecreaseCount"};
    return releases.count(function) > 0;
}

const std::vector<std::string> &forceable()
{
    static const std::vector<std::string> functions = [] {
        std::vector<std::string> names = sim::known_functions();
        names.erase(std::remove_if(names.begin(), names.end(), is_release), names.end());
        return names;
    }();
    return functions;
}

// A platform function made to fail (or succeed) with an odd out value; an
// outcome the stand-in turns down is not forced.
void Session::force()
{
    const std::string &f =
        forceable()[in_.ConsumeIntegralInRange<std::size_t>(0, forceable().size() - 1)];
    int result =
        in_.ConsumeBool() ? in_.PickValueInArray({0, -1, 1, 2}) : in_.ConsumeIntegral<int>();
    std::optional<long long> out;
    if (in_.ConsumeBool())
        out =
            in_.ConsumeBool() ? in_.ConsumeIntegralInRange(0, 1) : in_.ConsumeIntegral<long long>();
    g_request = "force(" + f + ", " + std::to_string(result) + ")";
    try {
        sim::force(f, result, out);
    } catch (const std::invalid_argument &) {
        g_request += " turned down";
    }
}

void Session::unforce()
{
    if (in_.ConsumeBool()) {
        g_request = "reset";
        sim::reset();  // forgets every forced result and restores the TV's defaults
        return;
    }
    std::map<std::string, sim::Answer> forced = sim::forced();
    if (forced.empty())
        return;
    auto it = forced.begin();
    std::advance(it, in_.ConsumeIntegralInRange<std::size_t>(0, forced.size() - 1));
    g_request = "unforce(" + it->first + ")";
    sim::unforce(it->first);
}

void Session::check_after() const
{
    const sim::State &state = sim::state();
    FUZZ_CHECK(state.tv.reference_count >= 0, "the PIP reference was given back twice");
    FUZZ_CHECK(state.tv.reference_count == 0, "the PIP connection was left open");
    FUZZ_CHECK(state.tv.uncounted_references == 0, "a PIP reference was not given back");
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
