// The key catalogue: the key table's keys with what each one does, and the
// suggestion for a key that is not one of them.
#include "key_catalog.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "picture_keys.h"
#include "words.h"

namespace host {
namespace {

struct Section {
    const char *title;
    const char *prefixes[2];  // the key begins with one of them; "" takes the rest
};

const Section kSections[] = {
    {"Picture size", {"menu/picture/picturesize/"}},
    {"Picture-in-picture", {"menu/picture/pip/", "db/menu/picture/pip/"}},
    {"Advanced settings", {"menu/picture/advanced-settings/"}},
    {"Picture options", {"menu/picture/picture-options/"}},
    {"Picture-wide", {""}},
};

constexpr std::size_t kMostWords = 6;

// Where a key's range comes from.
enum class Bound { None, Own, Table, Words };

struct MenuRow {
    picture_setting_key id;
    const char *title;
    Bound bound;
    int lowest;
    int highest;
    const char *words[kMostWords];  // null past the last
};

#define KEY_TITLE(name, title) {PICTURE_KEY_##name, title, Bound::None, 0, 0, {}},
#define KEY_RANGE(name, title, lowest, highest)                                                    \
    {PICTURE_KEY_##name, title, Bound::Own, lowest, highest, {}},
#define KEY_TABLE(name, title) {PICTURE_KEY_##name, title, Bound::Table, 0, 0, {}},
#define KEY_WORDS(name, title, ...) {PICTURE_KEY_##name, title, Bound::Words, 0, 0, {__VA_ARGS__}},
constexpr MenuRow kRows[] = {
#include "key_menu.def"
};
#undef KEY_TITLE
#undef KEY_RANGE
#undef KEY_TABLE
#undef KEY_WORDS

constexpr bool in_key_order()
{
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        if (kRows[i].id != static_cast<int>(i) || kRows[i].lowest > kRows[i].highest)
            return false;
    return std::size(kRows) == PICTURE_SETTING_KEY_COUNT;
}
static_assert(in_key_order(),
              "key_menu.def: one row per key, in the order of picture_keys.h, lowest first");

// The menu's range of a key: its row's, or the provider's value table's. A
// row that contradicts the provider is a mistake in key_menu.def, found the
// first time the catalogue is built.
std::optional<ValueRange> range_of(const MenuRow &row, const char *key)
{
    std::vector<std::string> words;
    for (const char *w : row.words)
        if (w)
            words.push_back(w);
    int table = picture::key_value_count(key);
    int count = row.bound == Bound::Words ? static_cast<int>(words.size()) : table;
    bool agrees =
        row.bound == Bound::None ||
        (row.bound == Bound::Own ? table == 0 : count > 0 && (table == 0 || table == count));
    if (!agrees)
        throw std::logic_error(std::string("key_menu.def: ") + key +
                               ": the range disagrees with the provider's value table");
    if (row.bound == Bound::None)
        return std::nullopt;
    if (row.bound == Bound::Own)
        return ValueRange{row.lowest, row.highest, {}};
    return ValueRange{0, count - 1, std::move(words)};
}

constexpr const char *kChannelTitle = "PIP Channel";

const char *section_of(const std::string &key)
{
    for (const Section &s : kSections)
        for (const char *prefix : s.prefixes)
            if (prefix && key.rfind(prefix, 0) == 0)
                return s.title;
    return kSections[std::size(kSections) - 1].title;
}

// How far a typed key is from a known one: the whole strings, or the last
// parts when the typed folders lead towards the known key's ("gama" under
// "menu/picture/" finds ".../advanced-settings/gamma").
std::size_t key_distance(const std::string &typed, const std::string &known)
{
    std::size_t typed_cut = typed.rfind('/') + 1;  // 0 without a folder
    std::size_t known_cut = known.rfind('/') + 1;
    std::size_t folders = known.compare(0, typed_cut, typed, 0, typed_cut) == 0 ? 1 : 3;
    return std::min(edit_distance(typed, known),
                    edit_distance(typed.substr(typed_cut), known.substr(known_cut)) + folders);
}

}  // namespace

const std::vector<KeyInfo> &key_catalog()
{
    static const std::vector<KeyInfo> keys = [] {
        std::vector<KeyInfo> out;
        for (const MenuRow &row : kRows) {
            const char *key = picture_setting_keys[row.id];
            out.push_back(
                {key, section_of(key), row.title, picture::key_abilities(key), range_of(row, key)});
        }
        const char *channel = PICTURE_PIP_CHANNEL_KEY;
        out.push_back({channel, section_of(channel), kChannelTitle, picture::key_abilities(channel),
                       std::nullopt});
        return out;
    }();
    return keys;
}

const std::vector<const char *> &sections()
{
    static const std::vector<const char *> titles = [] {
        std::vector<const char *> out;
        for (const Section &s : kSections)
            out.push_back(s.title);
        return out;
    }();
    return titles;
}

std::string shown_title(const KeyInfo &key, const std::optional<std::string> &label)
{
    return label && !label->empty() && *label != kPlaceholderLabel ? *label : key.title;
}

const KeyInfo *find_key(const std::string &key)
{
    for (const KeyInfo &k : key_catalog())
        if (k.key == key)
            return &k;
    return nullptr;
}

std::vector<std::string> closest_keys(const std::string &key)
{
    constexpr std::size_t kShown = 3;
    constexpr std::size_t kLongest = 256;  // far longer than any key: not a typo
    if (key.size() > kLongest)
        return {};
    std::size_t leaf = key.size() - (key.rfind('/') + 1);
    std::size_t best = std::max<std::size_t>(3, leaf / 3);  // farther is a guess, not a typo
    std::vector<std::string> out;
    for (const KeyInfo &k : key_catalog()) {
        std::size_t d = key_distance(key, k.key);
        if (d < best)
            out.clear();
        if (d <= best && out.size() < kShown) {
            best = d;
            out.push_back(k.key);
        }
    }
    return out;
}

}  // namespace host
