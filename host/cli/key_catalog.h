// The keys that picture-menu knows: the key table and the PIP channel key,
// each with its menu section and the operations that act on it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "key_abilities.h"

namespace host {

// What the provider does with a key, as the key's row says; a key whose
// cases do nothing has none.
using picture::kLists;
using picture::kPreviews;
using picture::kReads;
using picture::kStrings;
using picture::kWrites;

// How the menu edits a number without a list: it stops at the ends, and
// shows each value's word where it has words (the first one is the lowest's).
struct ValueRange {
    int lowest;
    int highest;
    std::vector<std::string> words;  // empty: the numbers themselves
};

struct KeyInfo {
    std::string key;
    const char *section;
    const char *title;  // in the host's menu tree
    unsigned abilities;
    std::optional<ValueRange> range;  // none for a list, a text or an action
};

// The label the provider gives a key that has none of its own.
constexpr const char *kPlaceholderLabel = "My Menu Item";

// What the menu shows for a key: the provider's label when it is one of its
// own, the host's title otherwise.
std::string shown_title(const KeyInfo &key, const std::optional<std::string> &label);

// Every key in key table order, the PIP channel key last.
const std::vector<KeyInfo> &key_catalog();

// The menu sections in menu order.
const std::vector<const char *> &sections();

// The key's entry, or null for a key picture-menu does not know.
const KeyInfo *find_key(const std::string &key);

// The known keys nearest to a misspelt one, best first; empty when none is
// near enough to be what was meant.
std::vector<std::string> closest_keys(const std::string &key);

}  // namespace host
