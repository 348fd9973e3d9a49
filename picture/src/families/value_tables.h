// Value tables of the quality settings: position i holds the output-control
// value that menu value i stands for. Constant; never written at run time.
#pragma once

#include <cstddef>

namespace picture {

inline constexpr unsigned int g_avoc_value[] = {0, 1, 2, 3, 4, 5};
inline constexpr unsigned int g_avoc_black_tone[] = {0, 1, 2, 3};
inline constexpr unsigned int g_avoc_rgb_only_mode[] = {0, 1, 2, 3};
// Output-control values 2 and 3 have no menu value.
inline constexpr unsigned int g_avoc_detail_color_space[] = {0, 1, 4};
inline constexpr unsigned int g_avoc_color_gamut[] = {0, 1, 2, 3, 4};
inline constexpr unsigned int g_avoc_color_space_custom_config[] = {0, 1, 2, 3, 4, 5};
inline constexpr unsigned int g_avoc_gamma_config[] = {0, 1, 2};
inline constexpr unsigned int g_avoc_color_tone_mode[] = {0, 1, 2, 3, 4};
inline constexpr unsigned int g_avoc_digital_clean_view[] = {0, 1, 2, 3, 4, 5};
inline constexpr unsigned int g_avoc_hdmi_black_level[] = {0, 1, 2};
inline constexpr unsigned int g_avoc_film_mode[] = {0, 1, 2};
inline constexpr unsigned int g_avoc_auto_motion_plus[] = {0, 1, 2, 3, 4};
inline constexpr unsigned int g_avoc_led_clear_motion[] = {0, 1};
inline constexpr unsigned int g_avoc_smart_led[] = {0, 1, 2, 3, 4, 5};
inline constexpr unsigned int g_avoc_cinema_black[] = {0, 1, 2, 3, 4};
inline constexpr unsigned int g_avoc_black_optimizer_e[] = {0, 1, 2};

// A value table with its length, taken from the array.
struct ValueTable {
    const unsigned int *entries;
    int count;
};

template <std::size_t N> constexpr ValueTable table_of(const unsigned int (&entries)[N])
{
    return ValueTable{entries, static_cast<int>(N)};
}

// Position of the first entry equal to `value`; false (index untouched) when
// there is none or the count is below 1.
bool _find_index(const unsigned int *table, int count, int value, int *index);

// Menu value to output-control value. The range test is unsigned, so a
// negative menu value is out of range like a too large one.
bool forward_translate(const ValueTable &table, int menu_value, int *translated);

// Output-control value, as read, to menu value: 0 with the position stored
// in `value`, or -1 with `value` left as read.
int reverse_lookup(const ValueTable &table, int *value);

}  // namespace picture
