// Picture size keys of the TV, held by the TV service's video control, and
// the picture size family's two lists.
#include <iterator>

#include "cases.h"
#include "lists.h"
#include "picture_size.h"
#include "tv_service.h"

namespace picture {

namespace {

// The getter and setter of a picture size control.
struct Control {
    int (*get)(int *value);
    int (*set)(int value, bool commit);
};

const Control kScreenModeControl{get_picture_43size, set_picture_43size};
const Control kAutoWideControl{get_picture_size_auto_wide, set_picture_size_auto_wide};
const Control kScreenFitControl{get_picture_size_screen_fit, set_picture_size_screen_fit};

const Control &control_of(const Request &request)
{
    return *static_cast<const Control *>(request.row.param);
}

Outcome get_control(const Request &request, int *value)
{
    return status_of(control_of(request).get(value));
}

Outcome set_control(const Request &request, int value)
{
    return status_of(control_of(request).set(value, request.commit));
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

const KeyCase kRows[] = {
    {KeyId::PictureSizeMode, get_size, set_size, preview_size},
    {KeyId::PictureSize43, get_control, set_control, set_control, &kScreenModeControl},
    {KeyId::AutoWide, get_control, set_control, set_control, &kAutoWideControl},
    {KeyId::ScreenFit, get_control, set_control, set_control, &kScreenFitControl},
    {KeyId::WideMode219, get_size, no_action_set, no_action_set},
};

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

}  // namespace

const CaseTable g_picture_size_cases{kRows, std::size(kRows)};

void **picture_size_list(int *count)
{
    bool wide = check_if_support_21_9();
    ChoicePairs pairs;
    for (const SizeChoice &c : kPictureSizes)
        pairs.emplace_back(c.value, wide ? c.label_21_9 : c.label);
    return pairs_to_list(pairs, count);
}

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

}  // namespace picture
