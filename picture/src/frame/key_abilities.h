// What the provider does with each key, read from the key's row. picture-menu
// links the provider's objects for its key catalogue and reads it here.
#pragma once

namespace picture {

enum Ability : unsigned {
    kReads = 1u << 0,     // get_int yields a value
    kWrites = 1u << 1,    // set_int
    kPreviews = 1u << 2,  // set_int_pre
    kLists = 1u << 3,     // get_list_items
    kStrings = 1u << 4,   // get_string and set_string: a text value
};

// The abilities of a key of the key table or of the PIP channel key; none
// for another key, or for a key whose cases do nothing.
unsigned key_abilities(const char *key);

// How many menu values the key's value table holds (the values 0 up to one
// below it); 0 for a key without one.
int key_value_count(const char *key);

}  // namespace picture
