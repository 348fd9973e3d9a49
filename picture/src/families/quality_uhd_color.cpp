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

template <const UhdInput &Input> static Outcome uhd_color_get(const Request &request, int *value)
{
    int status = avoc_get_uhd_color_mode(kMainPicture, Input.port, value, kReadFlag);
    CASE_LOG(request, " get UHD color %s status:%d value:%d ", Input.get_name, status, *value);
    return status_of(status);
}

template <const UhdInput &Input> static Outcome uhd_color_set(const Request &request, int value)
{
    int status = avoc_set_uhd_color_mode(kMainPicture, Input.port, value, flag_of(request));
    CASE_LOG(request, " set %s status:%d value:%d ", Input.set_name, status, value);
    return status_of(status);
}

constexpr KeyCase kRows[] = {
    {.id = KeyId::UhdColorHdmi1, .get = uhd_color_get<kUhdHdmi1>, .set = uhd_color_set<kUhdHdmi1>},
    {.id = KeyId::UhdColorHdmi2, .get = uhd_color_get<kUhdHdmi2>, .set = uhd_color_set<kUhdHdmi2>},
    {.id = KeyId::UhdColorHdmi3, .get = uhd_color_get<kUhdHdmi3>, .set = uhd_color_set<kUhdHdmi3>},
    {.id = KeyId::UhdColorHdmi4, .get = uhd_color_get<kUhdHdmi4>, .set = uhd_color_set<kUhdHdmi4>},
    {.id = KeyId::UhdColorHdmi5, .get = uhd_color_get<kUhdDp>, .set = uhd_color_set<kUhdDp>},
};
static_assert(rows_follow(kRows, kUhdColorKeys), "one row per UHD colour key, in order");

const CaseTable g_uhd_color_cases{kRows, std::size(kRows)};

}  // namespace picture
