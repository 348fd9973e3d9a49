// Setting keys and their ids.
#pragma once

#include "picture_keys.h"

namespace picture {

// A key's id is its position in the public list of keys.
#define PICTURE_KEY_ID(name, key) name,
enum class KeyId : int { PICTURE_SETTING_KEYS(PICTURE_KEY_ID) };
#undef PICTURE_KEY_ID

constexpr int kKeyCount = PICTURE_SETTING_KEY_COUNT;
static_assert(kKeyCount == 71, "the key table has 71 rows");

// The key outside the key table, known to the string and list operations.
constexpr const char *kPipChannelKey = PICTURE_PIP_CHANNEL_KEY;

// Key id of an exactly matching key, or -1. Logs the table size, as the
// integer operations and the label do.
int _find_type(const char *key);

// The same lookup without the log line, for the list and help operations.
int find_key(const char *key);

}  // namespace picture
