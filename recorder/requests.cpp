// The host's requests and the provider's answers, one line each:
//   request 4: get_int "menu/picture/picture-options/film-mode" 0
//   answer: 0 2
// Strings and lists that an answer hands out are named #N after the request
// that handed them out, list items #N[I], so the host's later release or
// item reads refer back to them.
#include "requests.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "notation.h"
#include "record_file.h"

namespace recorder {
namespace {

provider_op g_real[PROVIDER_SLOT_COUNT];

struct Handles {
    int requests = 0;
    std::map<const void *, int> handed_out;  // string or list -> its request
    std::map<const void *, std::pair<int, int>> items;
};

Handles &handles()
{
    static Handles h;
    return h;
}

template <typename F> F real(provider_slot slot)
{
    return reinterpret_cast<F>(g_real[slot]);
}

std::string number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

std::string handle_of(const void *p)
{
    if (!p)
        return "null";
    auto it = handles().handed_out.find(p);
    return it == handles().handed_out.end() ? "?" : "#" + std::to_string(it->second);
}

std::string item_of(const void *p)
{
    if (!p)
        return "null";
    auto it = handles().items.find(p);
    return it == handles().items.end() ? "?"
                                       : "#" + std::to_string(it->second.first) + "[" +
                                             std::to_string(it->second.second) + "]";
}

// Writes the request line; returns its number.
int request(provider_slot slot, const std::string &args)
{
    int n = ++handles().requests;
    std::string line =
        "request " + std::to_string(n) + ": " + recording::operation_of_slot(slot)->name;
    write_line(args.empty() ? line : line + " " + args);
    return n;
}

void answer(const std::string &text)
{
    write_line(text.empty() ? "answer:" : "answer: " + text);
}

std::string status_text(int status, char **text, int n)
{
    if (text && *text)
        handles().handed_out[*text] = n;
    return std::to_string(status) + " " + recording::quote(text ? *text : nullptr);
}

// ---- the slots ---------------------------------------------------------------

template <provider_slot Slot> int set_int(const char *key, int value)
{
    if (!recording())
        return real<provider_set_int_fn>(Slot)(key, value);
    request(Slot, recording::quote(key) + " " + std::to_string(value));
    int status = real<provider_set_int_fn>(Slot)(key, value);
    answer(std::to_string(status));
    return status;
}

int set_bool(const char *key, bool value)
{
    if (!recording())
        return real<provider_set_bool_fn>(PROVIDER_SLOT_SET_BOOL)(key, value);
    request(PROVIDER_SLOT_SET_BOOL, recording::quote(key) + (value ? " 1" : " 0"));
    int status = real<provider_set_bool_fn>(PROVIDER_SLOT_SET_BOOL)(key, value);
    answer(std::to_string(status));
    return status;
}

int set_double(const char *key, double value)
{
    if (!recording())
        return real<provider_set_double_fn>(PROVIDER_SLOT_SET_DOUBLE)(key, value);
    request(PROVIDER_SLOT_SET_DOUBLE, recording::quote(key) + " " + number(value));
    int status = real<provider_set_double_fn>(PROVIDER_SLOT_SET_DOUBLE)(key, value);
    answer(std::to_string(status));
    return status;
}

int set_string(const char *key, const char *value)
{
    if (!recording())
        return real<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(key, value);
    request(PROVIDER_SLOT_SET_STRING, recording::quote(key) + " " + recording::quote(value));
    int status = real<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(key, value);
    answer(std::to_string(status));
    return status;
}

int get_int(const char *key, int *value)
{
    if (!recording())
        return real<provider_get_int_fn>(PROVIDER_SLOT_GET_INT)(key, value);
    request(PROVIDER_SLOT_GET_INT,
            recording::quote(key) + " " + std::to_string(value ? *value : 0));
    int status = real<provider_get_int_fn>(PROVIDER_SLOT_GET_INT)(key, value);
    answer(std::to_string(status) + " " + std::to_string(value ? *value : 0));
    return status;
}

int get_bool(const char *key, bool *value)
{
    if (!recording())
        return real<provider_get_bool_fn>(PROVIDER_SLOT_GET_BOOL)(key, value);
    request(PROVIDER_SLOT_GET_BOOL, recording::quote(key) + (value && *value ? " 1" : " 0"));
    int status = real<provider_get_bool_fn>(PROVIDER_SLOT_GET_BOOL)(key, value);
    answer(std::to_string(status) + (value && *value ? " 1" : " 0"));
    return status;
}

int get_double(const char *key, double *value)
{
    if (!recording())
        return real<provider_get_double_fn>(PROVIDER_SLOT_GET_DOUBLE)(key, value);
    request(PROVIDER_SLOT_GET_DOUBLE, recording::quote(key) + " " + number(value ? *value : 0));
    int status = real<provider_get_double_fn>(PROVIDER_SLOT_GET_DOUBLE)(key, value);
    answer(std::to_string(status) + " " + number(value ? *value : 0));
    return status;
}

template <provider_slot Slot> int get_string(const char *key, char **value)
{
    if (!recording())
        return real<provider_get_string_fn>(Slot)(key, value);
    int n = request(Slot, recording::quote(key));
    int status = real<provider_get_string_fn>(Slot)(key, value);
    answer(status_text(status, value, n));
    return status;
}

int release_string(char *value)
{
    if (!recording())
        return real<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(value);
    request(PROVIDER_SLOT_RELEASE_STRING, handle_of(value));
    handles().handed_out.erase(value);
    int status = real<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(value);
    answer(std::to_string(status));
    return status;
}

void **get_list_items(const char *key, int *count)
{
    auto get = real<provider_get_list_items_fn>(PROVIDER_SLOT_GET_LIST_ITEMS);
    if (!recording())
        return get(key, count);
    int n = request(PROVIDER_SLOT_GET_LIST_ITEMS,
                    recording::quote(key) + " " + std::to_string(count ? *count : 0));
    void **items = get(key, count);
    int c = count ? *count : 0;
    if (items) {
        handles().handed_out[items] = n;
        for (int i = 0; i < c; i++)
            handles().items[items[i]] = {n, i};
    }
    answer((items ? "#" + std::to_string(n) : std::string("null")) + " " + std::to_string(c));
    return items;
}

template <provider_slot Slot> int get_item_string(void *item, char **value)
{
    if (!recording())
        return real<provider_get_item_string_fn>(Slot)(item, value);
    request(Slot, item_of(item));
    int status = real<provider_get_item_string_fn>(Slot)(item, value);
    answer(std::to_string(status) + " " + recording::quote(value ? *value : nullptr));
    return status;
}

int get_item_int(void *item, int *value)
{
    auto get = real<provider_get_item_int_fn>(PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE);
    if (!recording())
        return get(item, value);
    request(PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE,
            item_of(item) + " " + std::to_string(value ? *value : 0));
    int status = get(item, value);
    answer(std::to_string(status) + " " + std::to_string(value ? *value : 0));
    return status;
}

int free_list_items(void **items, int count)
{
    auto free_items = real<provider_free_list_items_fn>(PROVIDER_SLOT_FREE_LIST_ITEMS);
    if (!recording())
        return free_items(items, count);
    request(PROVIDER_SLOT_FREE_LIST_ITEMS, handle_of(items) + " " + std::to_string(count));
    if (items) {
        handles().handed_out.erase(items);
        for (int i = 0; i < count; i++)
            handles().items.erase(items[i]);
    }
    int status = free_items(items, count);
    answer(std::to_string(status));
    return status;
}

void send_keyevent(const char *key_name)
{
    auto send = real<provider_send_keyevent_fn>(PROVIDER_SLOT_SEND_KEYEVENT);
    if (!recording())
        return send(key_name);
    request(PROVIDER_SLOT_SEND_KEYEVENT, recording::quote(key_name));
    send(key_name);
    answer("");
}

template <typename F> provider_op op(F f)
{
    return reinterpret_cast<provider_op>(f);
}

const std::pair<provider_slot, provider_op> kSlots[] = {
    {PROVIDER_SLOT_SET_INT, op(set_int<PROVIDER_SLOT_SET_INT>)},
    {PROVIDER_SLOT_SET_INT_PRE, op(set_int<PROVIDER_SLOT_SET_INT_PRE>)},
    {PROVIDER_SLOT_SET_BOOL, op(set_bool)},
    {PROVIDER_SLOT_SET_DOUBLE, op(set_double)},
    {PROVIDER_SLOT_SET_STRING, op(set_string)},
    {PROVIDER_SLOT_GET_INT, op(get_int)},
    {PROVIDER_SLOT_GET_BOOL, op(get_bool)},
    {PROVIDER_SLOT_GET_DOUBLE, op(get_double)},
    {PROVIDER_SLOT_GET_STRING, op(get_string<PROVIDER_SLOT_GET_STRING>)},
    {PROVIDER_SLOT_RELEASE_STRING, op(release_string)},
    {PROVIDER_SLOT_GET_DISPLAY_NAME, op(get_string<PROVIDER_SLOT_GET_DISPLAY_NAME>)},
    {PROVIDER_SLOT_GET_HELP_TEXT, op(get_string<PROVIDER_SLOT_GET_HELP_TEXT>)},
    {PROVIDER_SLOT_GET_LIST_ITEMS, op(get_list_items)},
    {PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE,
     op(get_item_string<PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE>)},
    {PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE,
     op(get_item_string<PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE>)},
    {PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE, op(get_item_int)},
    {PROVIDER_SLOT_FREE_LIST_ITEMS, op(free_list_items)},
    {PROVIDER_SLOT_GET_MODULE_INFO, op(get_string<PROVIDER_SLOT_GET_MODULE_INFO>)},
    {PROVIDER_SLOT_SEND_KEYEVENT, op(send_keyevent)},
};

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
    write_line("request " + std::to_string(++handles().requests) + ": create_provider");
    int status = create(table);
    answer(std::to_string(status));
    return status;
}

int record_delete(provider_delete_fn del, provider_op **table)
{
    if (!recording())
        return del(table);
    write_line("request " + std::to_string(++handles().requests) + ": delete_provider");
    int status = del(table);
    answer(std::to_string(status));
    return status;
}

}  // namespace recorder
