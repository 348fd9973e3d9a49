// The recorder's settings for a desktop recording.
#include "record.h"

#include <cstdlib>

namespace host {

std::string record_through(const std::string &provider, const std::string &file)
{
    setenv("PICTURE_RECORDER_PROVIDER", provider.c_str(), 1);
    setenv("PICTURE_RECORDER_FILE", file.c_str(), 1);
    // The recorder is installed beside the provider.
    return provider.substr(0, provider.rfind('/') + 1) + "libpicture-recorder.so";
}

}  // namespace host
