// The keys that picture-menu knows: the key table and the PIP channel key,
// each with its menu section and the operations that act on it.
#pragma once

#include <string>
#include <vector>

namespace host {

// What the provider does with a key; a key whose case does nothing has none.
enum Ability : unsigned {
    kReads = 1u << 0,     // get_int yields a value
    kWrites = 1u << 1,    // set_int
    kPreviews = 1u << 2,  // set_int_pre
    kLists = 1u << 3,     // get_list_items
    kStrings = 1u << 4,   // get_string and set_string: a text value
};

struct KeyInfo {
    std::string key;
    const char *section;
    unsigned abilities;
};

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
