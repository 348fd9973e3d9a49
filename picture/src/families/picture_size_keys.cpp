// Picture size keys of the TV, held by the TV service's video control, with
// the picture size list that the media player keys share and the 4:3 list.
#include <iterator>

#include "cases.h"
#include "help_text.h"
#include "lists.h"
#include "picture_size.h"
#include "tv_service.h"

namespace picture {

namespace {

// The 4:3 size, auto wide and screen fit: one control function each way.
template <int (*Get)(int *value)> Outcome get_control(const Request &, int *value)
{
    return status_of(Get(value));
}

template <int (*Set)(int value, bool commit)> Outcome set_control(const Request &request, int value)
{
    return status_of(Set(value, request.commit));
}

// The picture size itself; the line keeps its historical wording.
Outcome get_size(const Request &request, int *value)
{
    int status = get_picture_size(value);
    CASE_LOG(request, "vconf_get_int, ret:%d,value:%d", status, *value);
    return status_of(status);
}

Outcome set_size(const Request &request, int value)
{
    return status_of(set_picture_size(value, request.commit));
}

Outcome preview_size(const Request &request, int value)
{
    int status = set_picture_size(value, 0);
    CASE_LOG(request, "set_picture_size fro preview,status:%d,value:%d", status, value);
    return status_of(status);
}

// A choice whose label depends on whether the panel shows 21:9.
struct SizeChoice {
    int value;
    const char *label;
    const char *label_21_9;
};

// Fit to screen (1) is never offered.
const SizeChoice kPictureSizes[] = {
    {PICTURESIZE_21_9, "TV_SID_21_9_STANDARD", "TV_SID_21_9_STANDARD"},
    {PICTURESIZE_AUTO, "SID_AUTO", "SID_AUTO"},
    {PICTURESIZE_16_9, "TV_SID_16_9_STANDARD", "SID_16_COLON_9"},
    {PICTURESIZE_CAPTION, "SID_CAPTION", "SID_CAPTION"},
    {PICTURESIZE_CUSTOM, "SID_CUSTOM", "SID_CUSTOM"},
    {PICTURESIZE_4_3, "SID_4_COLON_3", "SID_4_COLON_3"},
    {PICTURESIZE_ORIGINAL_RATIO, "Original Ratio", "Original Ratio"},
};

const SizeChoice kScreenModes[] = {
    {SCREENMODE_21_9, "21:9", "TV_SID_21_9_STANDARD"},
    {SCREENMODE_16_9, "TV_SID_16_9_STANDARD", "SID_16_COLON_9"},
    {SCREENMODE_ZOOM, "SID_ZOOM", "SID_ZOOM"},
    {SCREENMODE_4_3, "SID_4_COLON_3", "SID_4_COLON_3"},
};

void **picture_43size_list(int *count)
{
    int n = static_cast<int>(std::size(kScreenModes));
    void **items = new_fixed_list(n, count);
    bool wide = check_if_support_21_9();
    for (int i = 0; i < n; ++i) {
        auto *item = static_cast<ListItem *>(items[i]);
        plain_copy(item->display_value, wide ? kScreenModes[i].label_21_9 : kScreenModes[i].label);
        item->int_value = kScreenModes[i].value;
    }
    return items;
}

bool picture_size_mode_help(char *buffer)
{
    int size = -1;
    if (get_picture_size(&size) != 0)
        return false;
    picture_size_help(size, buffer);
    return true;
}

constexpr KeyCase kRows[] = {
    {.id = KeyId::PictureSizeMode,
     .get = get_size,
     .set = set_size,
     .preview = preview_size,
     .list = picture_size_list,
     .help = picture_size_mode_help},
    {.id = KeyId::PictureSize43,
     .get = get_control<get_picture_43size>,
     .set = set_control<set_picture_43size>,
     .preview = set_control<set_picture_43size>,
     .list = picture_43size_list},
    {.id = KeyId::AutoWide,
     .get = get_control<get_picture_size_auto_wide>,
     .set = set_control<set_picture_size_auto_wide>,
     .preview = set_control<set_picture_size_auto_wide>},
    {.id = KeyId::ScreenFit,
     .get = get_control<get_picture_size_screen_fit>,
     .set = set_control<set_picture_size_screen_fit>,
     .preview = set_control<set_picture_size_screen_fit>},
    {.id = KeyId::WideMode219,
     .get = get_size,
     .set = no_action_set,
     .preview = no_action_set,
     .list = picture_size_list},
};
static_assert(rows_follow(kRows, kPictureSizeKeys), "one row per picture size key, in order");

}  // namespace

const CaseTable g_picture_size_cases{kRows, std::size(kRows)};

void **picture_size_list(int *count)
{
    bool wide = check_if_support_21_9();
    Choice choices[std::size(kPictureSizes)];
    for (std::size_t i = 0; i < std::size(kPictureSizes); ++i)
        choices[i] = {kPictureSizes[i].value,
                      wide ? kPictureSizes[i].label_21_9 : kPictureSizes[i].label};
    return pairs_to_list(choices, count);
}

}  // namespace picture
