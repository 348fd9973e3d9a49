// List items handed to the host, and the ways lists are built.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace picture {

struct ListItem {
    char *string_value;   // null except in the PIP channel list
    char *display_value;  // 512-byte buffer, usually a message id
    int int_value;        // the choice's value in the menu's numbering
};

// Strings handed to the host are zero-filled buffers of this size.
constexpr std::size_t kTextSize = 512;
// Copies stop short of the end so that a terminator always remains.
constexpr std::size_t kCopyLimit = 511;

// A zero-filled 512-byte buffer from the C allocator, or null.
char *new_text();
// snprintf-style copy with size 511: keeps at most 510 characters.
void format_copy(char *buffer, const char *text);
// strncpy-style copy with count 511: keeps at most 511 characters.
void plain_copy(char *buffer, const char *text);

// Choices gathered as {value, text} pairs, in list order.
using ChoicePairs = std::vector<std::pair<int, std::string>>;

// Turns pairs into a list: writes the count, one item per pair with its
// value and a formatted copy of its text, logging each item.
void **pairs_to_list(const ChoicePairs &pairs, int *count);

// A list of `n` items, each with an empty display buffer, for lists that
// fill their items choice by choice. Writes the count.
void **new_fixed_list(int n, int *count);

// The list of one key: returns the items or null.
using ListBuilder = void **(*)(int *count);

// The families' lists.
void **picture_size_list(int *count);
void **picture_43size_list(int *count);
void **pip_antenna_list(int *count);
void **pip_channel_list(int *count);
void **pip_source_list(int *count);

// Lists of the quality settings.
void **color_tone_list(int *count);
void **dynamic_contrast_list(int *count);

}  // namespace picture
