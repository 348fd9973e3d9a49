// Loading the provider and calling its operations.
#include "provider_host.h"

#include <libintl.h>

#include "provider_loader.h"

namespace host {

std::string translate(const std::string &id)
{
    return dgettext(kTextDomain, id.c_str());
}

ProviderHost::ProviderHost(const std::string &library)
{
    loader::Provider provider;
    std::string error;
    if (!loader::load_provider(library, &provider, &error))
        throw LoadError(error);
    delete_ = provider.destroy;
    if (provider.create(&table_) != 0 || !table_)
        throw LoadError(library + ": no provider table");
}

ProviderHost::~ProviderHost()
{
    delete_(&table_);
    // The library stays loaded: its log and PIP state outlive the table.
}

int ProviderHost::get_int(const std::string &key, int *value) const
{
    return op<provider_get_int_fn>(PROVIDER_SLOT_GET_INT)(key.c_str(), value);
}

int ProviderHost::set_int(const std::string &key, int value) const
{
    return op<provider_set_int_fn>(PROVIDER_SLOT_SET_INT)(key.c_str(), value);
}

int ProviderHost::set_int_pre(const std::string &key, int value) const
{
    return op<provider_set_int_fn>(PROVIDER_SLOT_SET_INT_PRE)(key.c_str(), value);
}

std::optional<std::vector<TranslatedChoice>> ProviderHost::list(const std::string &key) const
{
    int count = 0;
    void **items =
        op<provider_get_list_items_fn>(PROVIDER_SLOT_GET_LIST_ITEMS)(key.c_str(), &count);
    if (!items)
        return std::nullopt;
    auto display = op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_DISPLAY_VALUE);
    auto string = op<provider_get_item_string_fn>(PROVIDER_SLOT_GET_LIST_ITEM_STRING_VALUE);
    auto value = op<provider_get_item_int_fn>(PROVIDER_SLOT_GET_LIST_ITEM_INT_VALUE);
    std::vector<TranslatedChoice> choices;
    for (int i = 0; i < count; ++i) {
        TranslatedChoice c;
        char *text = nullptr;
        char *str = nullptr;
        display(items[i], &text);
        string(items[i], &str);
        value(items[i], &c.value);
        c.id = text ? text : "";
        c.text = c.id.empty() ? c.id : translate(c.id);
        if (str)
            c.string = str;
        choices.push_back(std::move(c));
    }
    op<provider_free_list_items_fn>(PROVIDER_SLOT_FREE_LIST_ITEMS)(items, count);
    return choices;
}

int ProviderHost::string_op(provider_slot slot, const std::string &key,
                            std::optional<std::string> *text) const
{
    char *out = nullptr;
    int status = op<provider_get_string_fn>(slot)(key.c_str(), &out);
    text->reset();
    if (out) {
        *text = std::string(out);
        op<provider_release_string_fn>(PROVIDER_SLOT_RELEASE_STRING)(out);
    }
    return status;
}

int ProviderHost::display_name(const std::string &key, std::optional<std::string> *text) const
{
    return string_op(PROVIDER_SLOT_GET_DISPLAY_NAME, key, text);
}

int ProviderHost::help_text(const std::string &key, std::optional<std::string> *text) const
{
    return string_op(PROVIDER_SLOT_GET_HELP_TEXT, key, text);
}

int ProviderHost::get_string(const std::string &key, std::optional<std::string> *text) const
{
    return string_op(PROVIDER_SLOT_GET_STRING, key, text);
}

int ProviderHost::module_info(const std::string &info_key, std::optional<std::string> *text) const
{
    return string_op(PROVIDER_SLOT_GET_MODULE_INFO, info_key, text);
}

int ProviderHost::set_string(const std::string &key, const std::string &value) const
{
    return op<provider_set_string_fn>(PROVIDER_SLOT_SET_STRING)(key.c_str(), value.c_str());
}

void ProviderHost::send_keyevent(const std::string &key_name) const
{
    op<provider_send_keyevent_fn>(PROVIDER_SLOT_SEND_KEYEVENT)(key_name.c_str());
}

}  // namespace host
