// State of the stand-in TV service and menu utilities.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "menu_util.h"
#include "tv_service.h"

namespace sim {

// A service of the channel line-up: fields by id (1 channel type, 12 service
// id, 13 major, 14 minor) and its name.
struct Channel {
    std::map<int, unsigned long long> fields;
    std::wstring name;
};

struct TvState {
    EProfile current_profile = PROFILE_TYPE_MAIN;

    // Video control of the main picture.
    int picture_size = PICTURESIZE_16_9;
    int screen_mode = SCREENMODE_16_9;
    int screen_fit = SCREENFITOPTION_OFF;
    bool auto_wide = false;
    bool panorama = false;
    int picture_resets = 0;

    // Sources: status by ESource, an absent source is available.
    std::map<int, int> source_status;
    int pip_source = SOURCE_TV;  // last source selected on the PIP profile

    // Service navigation.
    TSTvMode main_tv_mode{0, 0};
    TSTvMode pip_tv_mode{0, 0};
    std::vector<Channel> channels;
    std::size_t pip_channel = 0;                        // index into channels
    std::map<int, unsigned long long> current_service;  // fields of the main picture's service
    bool analog_clean_view = false;

    // Utilities.
    EProfile master_audio = PROFILE_TYPE_MAIN;
    int reference_count = 0;  // references taken and not given back; below 0 after a double release
    int uncounted_references = 0;  // forced increases whose release is still owed
    bool atsc = false;
    bool lfd_product = false;
    int pip_antenna_mode = MENU_ANTENNA_TYPE_AIR;
};

}  // namespace sim
