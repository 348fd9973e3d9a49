// The host's requests and the provider's answers, one line each:
//   request 4: get_int "KEY" 0
//   answer: 0 2
// Strings and lists that an answer hands out are named #N after the request
// that handed them out, list items #N[I], so the host's later release or
// item reads refer back to them.
#include "requests.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "record_file.h"
#include "recording_notation.h"

namespace recorder {
namespace {

provider_op g_real[PROVIDER_SLOT_COUNT];

// What the host holds of the provider's, by the request that handed it out;
// threads share it, so it is read and changed under its lock.
struct Handles {
    std::mutex lock;
    std::map<const void *, int> handed_out;  // string or list -> its request
    std::map<const void *, std::pair<int, int>> items;
};

Handles g_handles;

template <typename F> F real(provider_slot slot)
{
    return reinterpret_cast<F>(g_real[slot]);
}

std::string handle_of(const void *p)
{
    if (!p)
        return "null";
    std::lock_guard<std::mutex> hold(g_handles.lock);
    auto it = g_handles.handed_out.find(p);
    return it == g_handles.handed_out.end() ? "?" : "#" + std::to_string(it->second);
}

std::string item_of(const void *p)
{
    if (!p)
        return "null";
    std::lock_guard<std::mutex> hold(g_handles.lock);
    auto it = g_handles.items.find(p);
    return it == g_handles.items.end() ? "?"
                                       : "#" + std::to_string(it->second.first) + "[" +
                                             std::to_string(it->second.second) + "]";
}

// A request's argument as its line has it: a text quoted, a number as the
// notation writes it, a handle (#N, #N[I]) as it is.
void put(std::string &line, const char *text)
{
    if (text)
        calls::quote_to(line, text);
    else
        line += "null";
}
void put(std::string &line, const std::string &handle)
{
    line += handle;
}
template <typename Value> void put(std::string &line, Value value)
{
    line += recording::value_text(value);
}

// Opens the request: the operation's name and its arguments.
template <provider_slot Slot, typename... Args> void request(const Args &...args)
{
    static constexpr const char *kName = recording::operation_at(Slot)->name;
    std::string &line = begin_request(kName);
    ((line += ' ', put(line, args)), ...);
    line += '\n';
}

// Answers it; `handed_out`, when given, is named after the request's number.
void answer(const std::string &text, const void *handed_out = nullptr)
{
    end_request(text, [&](int n, std::string &) {
        if (!handed_out)
            return;
        std::lock_guard<std::mutex> hold(g_handles.lock);
        g_handles.handed_out[handed_out] = n;
        set_handles_held(true);
    });
}

// Forgets a string or list the host gives back.
void forget(const void *p, void *const *items, int count)
{
    std::lock_guard<std::mutex> hold(g_handles.lock);
    g_handles.handed_out.erase(p);
    for (int i = 0; items && i < count; i++)
        g_handles.items.erase(items[i]);
    set_handles_held(!g_handles.handed_out.empty());
}

std::string status_text(int status, char **text)
{
    return std::to_string(status) + " " + recording::quote(text ? *text : nullptr);
}

// ---- the slots: one wrapper per signature, for the slot it stands in ----

// A key and a value in, the status out.
template <provider_slot Slot, typename Value> int set(const char *key, Value value)
{
    auto set_value = real<int (*)(const char *, Value)>(Slot);
    if (!recording())
        return set_value(key, value);
    request<Slot>(key, value);
    int status = set_value(key, value);
    answer(std::to_string(status));
    return status;
}

// A key and the value passed in; the status and the value left there out.
template <provider_slot Slot, typename Value> int get(const char *key, Value *value)
{
    auto get_value = real<int (*)(const char *, Value *)>(Slot);
    if (!recording())
        return get_value(key, value);
    request<Slot>(key, value ? *value : Value{});
    int status = get_value(key, value);
    answer(std::to_string(status) + " " + recording::value_text(value ? *value : Value{}));
    return status;
}

template <provider_slot Slot> int get_string(const char *key, char **value)
{
    if (!recording())
        return real<provider_get_string_fn>(Slot)(key, value);
    request<Slot>(key);
    int status = real<provider_get_string_fn>(Slot)(key, value);
    answer(status_text(status, value), value ? *value : nullptr);
    return status;
}

template <provider_slot Slot> int release_string(char *value)
{
    if (!recording())
        return real<provider_release_string_fn>(Slot)(value);
    request<Slot>(handle_of(value));
    forget(value, nullptr, 0);
    int status = real<provider_release_string_fn>(Slot)(value);
    answer(std::to_string(status));
    return status;
}

template <provider_slot Slot> void **get_list_items(const char *key, int *count)
{
    auto get = real<provider_get_list_items_fn>(Slot);
    if (!recording())
        return get(key, count);
    request<Slot>(key, count ? *count : 0);
    void **items = get(key, count);
    int c = count ? *count : 0;
    // A list's answer names it after its own request: "#N COUNT".
    end_request("null " + std::to_string(c), [&](int n, std::string &answer_text) {
        if (!items)
            return;
        answer_text = "#" + std::to_string(n) + " " + std::to_string(c);
        std::lock_guard<std::mutex> hold(g_handles.lock);
        g_handles.handed_out[items] = n;
        for (int i = 0; i < c; i++)
            g_handles.items[items[i]] = {n, i};
        set_handles_held(true);
    });
    return items;
}

template <provider_slot Slot> int get_item_string(void *item, char **value)
{
    if (!recording())
        return real<provider_get_item_string_fn>(Slot)(item, value);
    request<Slot>(item_of(item));
    int status = real<provider_get_item_string_fn>(Slot)(item, value);
    answer(std::to_string(status) + " " + recording::quote(value ? *value : nullptr));
    return status;
}

template <provider_slot Slot> int get_item_int(void *item, int *value)
{
    auto get = real<provider_get_item_int_fn>(Slot);
    if (!recording())
        return get(item, value);
    request<Slot>(item_of(item), value ? *value : 0);
    int status = get(item, value);
    answer(std::to_string(status) + " " + std::to_string(value ? *value : 0));
    return status;
}

template <provider_slot Slot> int free_list_items(void **items, int count)
{
    auto free_items = real<provider_free_list_items_fn>(Slot);
    if (!recording())
        return free_items(items, count);
    request<Slot>(handle_of(items), count);
    if (items)
        forget(items, items, count);
    int status = free_items(items, count);
    answer(std::to_string(status));
    return status;
}

template <provider_slot Slot> void send_keyevent(const char *key_name)
{
    auto send = real<provider_send_keyevent_fn>(Slot);
    if (!recording())
        return send(key_name);
    request<Slot>(key_name);
    send(key_name);
    answer("");
}

// The wrapper of each signature; a signature without one does not compile.
template <typename Signature> struct Wrapper;
#define WRAPPER(signature, wrapper)                                                                \
    template <> struct Wrapper<signature> {                                                        \
        template <provider_slot S> static constexpr signature of = wrapper;                        \
    };
WRAPPER(provider_set_int_fn, (set<S, int>))
WRAPPER(provider_set_bool_fn, (set<S, bool>))
WRAPPER(provider_set_double_fn, (set<S, double>))
WRAPPER(provider_set_string_fn, (set<S, const char *>))
WRAPPER(provider_get_int_fn, (get<S, int>))
WRAPPER(provider_get_bool_fn, (get<S, bool>))
WRAPPER(provider_get_double_fn, (get<S, double>))
WRAPPER(provider_get_string_fn, get_string<S>)
WRAPPER(provider_release_string_fn, release_string<S>)
WRAPPER(provider_get_list_items_fn, get_list_items<S>)
WRAPPER(provider_get_item_string_fn, get_item_string<S>)
WRAPPER(provider_get_item_int_fn, get_item_int<S>)
WRAPPER(provider_free_list_items_fn, free_list_items<S>)
WRAPPER(provider_send_keyevent_fn, send_keyevent<S>)
#undef WRAPPER

#define RECORDED_SLOT(name, NAME, slot, signature)                                                 \
    {PROVIDER_SLOT_##NAME,                                                                         \
     reinterpret_cast<provider_op>(Wrapper<signature>::of<PROVIDER_SLOT_##NAME>)},
const std::pair<provider_slot, provider_op> kSlots[] = {PROVIDER_OPERATIONS(RECORDED_SLOT)};
#undef RECORDED_SLOT

}  // namespace

void fill_table(const provider_op *real_table, provider_op *table)
{
    for (int i = 0; i < PROVIDER_SLOT_COUNT; i++)
        g_real[i] = real_table[i];
    for (const auto &[slot, wrapper] : kSlots)
        table[slot] = real_table[slot] ? wrapper : nullptr;
}

int record_create(provider_create_fn create, provider_op **table)
{
    if (!recording())
        return create(table);
    begin_request("create_provider") += '\n';
    int status = create(table);
    answer(std::to_string(status));
    return status;
}

int record_delete(provider_delete_fn del, provider_op **table)
{
    if (!recording())
        return del(table);
    begin_request("delete_provider") += '\n';
    int status = del(table);
    answer(std::to_string(status));
    return status;
}

}  // namespace recorder
