// The provider as the TV's settings host sees it: a library loaded with
// dlopen and reached only through the operation table that create_provider
// hands out.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "picture_provider.h"

namespace host {

// The provider cannot be loaded or does not hand out a table.
struct LoadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One choice of a list: the message id as handed out and its translation.
struct TranslatedChoice {
    int value = 0;
    std::string id;
    std::string text;
    std::optional<std::string> string;
};

// The text domain of the settings host, shared with the provider.
constexpr const char *kTextDomain = "settings-datafw";

// The translation of a message id in the text domain.
std::string translate(const std::string &id);

class ProviderHost {
public:
    // Loads the library and creates the table. Throws LoadError.
    explicit ProviderHost(const std::string &library);
    ~ProviderHost();
    ProviderHost(const ProviderHost &) = delete;
    ProviderHost &operator=(const ProviderHost &) = delete;

    int get_int(const std::string &key, int *value) const;
    int set_int(const std::string &key, int value) const;
    int set_int_pre(const std::string &key, int value) const;
    // The choices with their display values translated; nullopt for no list.
    std::optional<std::vector<TranslatedChoice>> list(const std::string &key) const;
    // The string operations: the status, and the text when one was handed out.
    int display_name(const std::string &key, std::optional<std::string> *text) const;
    int help_text(const std::string &key, std::optional<std::string> *text) const;
    int get_string(const std::string &key, std::optional<std::string> *text) const;
    int module_info(const std::string &info_key, std::optional<std::string> *text) const;
    int set_string(const std::string &key, const std::string &value) const;
    void send_keyevent(const std::string &key_name) const;
    // The operation table itself, for replaying requests slot by slot.
    provider_op *table() const { return table_; }

private:
    template <typename F> F op(provider_slot slot) const
    {
        return reinterpret_cast<F>(table_[slot]);
    }
    int string_op(provider_slot slot, const std::string &key,
                  std::optional<std::string> *text) const;

    provider_delete_fn delete_ = nullptr;
    provider_op *table_ = nullptr;
};

}  // namespace host
