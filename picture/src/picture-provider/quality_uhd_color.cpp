// UHD colour, one key per HDMI input.
#include <iterator>

#include "avoc.h"
#include "quality.h"

namespace picture {

// A UHD colour key addresses its input by port, whatever the current source.
struct UhdInput {
    int port;
    const char *get_name;  // as the get line names the input
    const char *set_name;  // as the set line names it
};

static const UhdInput kUhdHdmi1{AVOC_PORT_HDMI1, "HDMI1", "HDMI1"};
static const UhdInput kUhdHdmi2{AVOC_PORT_HDMI2, "HDMI2", "HDMI2"};
static const UhdInput kUhdHdmi3{AVOC_PORT_HDMI3, "HDMI3", "HDMI3"};
static const UhdInput kUhdHdmi4{AVOC_PORT_HDMI4, "HDMI4", "HDMI4"};
static const UhdInput kUhdDp{AVOC_PORT_DP, "DP", "HDMI DP"};

static Outcome uhd_color_get(const Request &request, int *value)
{
    const UhdInput &input = row_of<UhdInput>(request);
    int status = avoc_get_uhd_color_mode(kMainPicture, input.port, value, kReadFlag);
    CASE_LOG(request, " get UHD color %s status:%d value:%d ", input.get_name, status, *value);
    return status_of(status);
}

static Outcome uhd_color_set(const Request &request, int value)
{
    const UhdInput &input = row_of<UhdInput>(request);
    int status = avoc_set_uhd_color_mode(kMainPicture, input.port, value, flag_of(request));
    CASE_LOG(request, " set %s status:%d value:%d ", input.set_name, status, value);
    return status_of(status);
}

constexpr KeyCase kRows[] = {
    {KeyId::UhdColorHdmi1, uhd_color_get, uhd_color_set, nullptr, &kUhdHdmi1},
    {KeyId::UhdColorHdmi2, uhd_color_get, uhd_color_set, nullptr, &kUhdHdmi2},
    {KeyId::UhdColorHdmi3, uhd_color_get, uhd_color_set, nullptr, &kUhdHdmi3},
    {KeyId::UhdColorHdmi4, uhd_color_get, uhd_color_set, nullptr, &kUhdHdmi4},
    {KeyId::UhdColorHdmi5, uhd_color_get, uhd_color_set, nullptr, &kUhdDp},
};
static_assert(rows_follow(kRows, kUhdColorKeys), "one row per UHD colour key, in order");

const CaseTable g_uhd_color_cases{kRows, std::size(kRows)};

}  // namespace picture
