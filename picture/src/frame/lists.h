// List items handed to the host, and the ways lists are built.
#pragma once

#include <cstddef>

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
// Into a zeroed buffer, the copy of snprintf with size 511: at most 510
// characters.
void format_copy(char *buffer, const char *text);
// strncpy-style copy with count 511: keeps at most 511 characters.
void plain_copy(char *buffer, const char *text);

// One choice of a list: its value and its text, which the list copies.
struct Choice {
    int value;
    const char *text;
};

// Turns choices into a list: writes the count, one item per choice with its
// value and a formatted copy of its text, logging each item.
void **pairs_to_list(const Choice *choices, std::size_t n, int *count);

template <std::size_t N> void **pairs_to_list(const Choice (&choices)[N], int *count)
{
    return pairs_to_list(choices, N, count);
}

// An item with an empty display buffer, and an empty string buffer when
// asked; null with nothing left allocated when memory runs out.
ListItem *new_item(bool with_string);

// A list of `n` items, each with an empty display buffer, for lists that
// fill their items choice by choice. Writes the count.
void **new_fixed_list(int n, int *count);

// Frees a list's items and array, as free_list_items does but without its
// log lines, for a list that could not be finished.
void drop_items(void **items, int n);

// The picture size list, shared by the picture size and media player keys.
void **picture_size_list(int *count);

// The PIP channel list, of the key outside the key table.
void **pip_channel_list(int *count);

}  // namespace picture
