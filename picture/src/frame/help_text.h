// Help texts that follow the TV's state, for the key rows' help cases.
#pragma once

namespace picture {

// Copies the translation of a message id into a zeroed text buffer.
void copy_translation(char *buffer, const char *id);

// The help text of a picture size; the buffer stays empty for a size
// without one.
void picture_size_help(int size, char *buffer);

}  // namespace picture
