// The picture-in-picture service: the PIP connection to the TV service, the
// PIP channel, source, TV mode and antenna, and the sound select.
#pragma once

#include "picture_keys.h"
#include "tv_service.h"

namespace picture {

// Store entry of the PIP source; also the setting key of the source.
constexpr const char *kPipSourceStoreKey = picture_setting_keys[PICTURE_KEY_PipSource];

// Service record fields that the PIP code reads back.
enum ServiceField : int {
    kFieldChannelType = 1,
    kFieldServiceId = 12,
    kFieldMajor = 13,
    kFieldMinor = 14,
};

constexpr unsigned long long kNoServiceId = ~0ULL;
constexpr unsigned short kNoChannelNumber = 0xFFFF;

// A field of a service record, or `absent` when the record lacks it.
inline unsigned long long field_or(const TCServiceData &service, int id, unsigned long long absent)
{
    const TSServiceField *field = service.GetField(id);
    return field ? field->value : absent;
}

// What tv_pip_service_channel_get_info describes; freed with _del_info.
struct tvs_ch_info_picture {
    const char *ch_type_str;  // points into the constant type names, or null
    int ch_type;
    unsigned short major_no;
    unsigned short minor_no;
};

extern "C" {

// Opening and closing the PIP connection: 0, or -1 (see the state table).
int tv_pip_service_init(void);
int tv_pip_service_fini(void);

// Steps the PIP channel; the TV mode is only logged. 0 stepped, -1 not.
int tv_pip_service_channel_next(int nTvMode);
int tv_pip_service_channel_prev(int nTvMode);
void check_and_tune_channel(unsigned short major, unsigned short minor);
tvs_ch_info_picture *tv_pip_service_channel_get_info(void);
void tv_pip_service_channel_del_info(tvs_ch_info_picture *info);

// -1 only when the store cannot be written.
int SetPIPSource(ESource source);
// The PIP antenna mode, or -1.
int GetAntennaModePIP(void);
int SetTvModePIP(int mode);
int GetTvModePIP(int *mode);

// 0 main sound, 1 the PIP window's sound. Need an open PIP connection.
int tv_pip_util_get_sound_select(int *select);
int tv_pip_util_set_sound_select(int select);

}  // extern "C"

int tv_pip_service_channel_tune(unsigned long long serviceId);

// The PIP connection for one scope: opened on construction, closed at the
// end of the scope when it opened.
class PipConnection {
public:
    PipConnection() : open_(tv_pip_service_init() == 0) {}
    ~PipConnection()
    {
        if (open_ && !closed_)
            tv_pip_service_fini();
    }
    PipConnection(const PipConnection &) = delete;
    PipConnection &operator=(const PipConnection &) = delete;

    bool open() const { return open_; }

    // Closes now, also after a failed open (the close then reports it);
    // the close's result.
    int close()
    {
        closed_ = true;
        return tv_pip_service_fini();
    }

private:
    bool open_;
    bool closed_ = false;
};

}  // namespace picture
