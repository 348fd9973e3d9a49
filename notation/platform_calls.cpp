// The platform's own types in the call notation.
#include "platform_calls.h"

namespace calls {
namespace {

// Service records are read field by field; the ids the TV service uses lie
// below this.
constexpr int kProbedFields = 256;
constexpr std::size_t kTextSize = 512;  // the menu utilities' text buffers

}  // namespace

std::string in_text(shapes::in, const TSTvMode &mode)
{
    return group(std::array<int, 2>{mode.antennaMode, mode.serviceMode});
}

std::string in_text(shapes::in, const std::list<ESource> &sources)
{
    return group(sources);
}

std::string in_text(shapes::in, avoc_rgb_s *const &rgb)
{
    return rgb ? group(std::array<int, 3>{rgb->red, rgb->green, rgb->blue}) : "null";
}

void put_out(CallText &c, shapes::out, avoc_rgb_s *const &rgb, const CallEnd &)
{
    if (!rgb)
        return;
    for (int v : {rgb->red, rgb->green, rgb->blue})
        c.out(std::to_string(v));
}

void put_out(CallText &c, shapes::out, avoc_hsl_s *const &hsl, const CallEnd &)
{
    if (!hsl)
        return;
    for (int v : {hsl->hue, hsl->saturation, hsl->lightness})
        c.out(std::to_string(v));
}

void put_out(CallText &c, shapes::out, const std::wstring &text, const CallEnd &)
{
    c.out(quote(narrow(text)));
}

void put_out(CallText &c, shapes::out, const TSTvMode &mode, const CallEnd &)
{
    c.out(std::to_string(mode.antennaMode));
    c.out(std::to_string(mode.serviceMode));
}

void put_out(CallText &c, shapes::out, const ESourceStatusMap &status, const CallEnd &)
{
    std::map<int, unsigned long long> fields;
    for (const auto &[source, st] : status)
        fields[source] = static_cast<unsigned long long>(st);
    c.out(record(fields));
}

void put_out(CallText &c, shapes::out, const TCServiceData &service, const CallEnd &)
{
    std::map<int, unsigned long long> fields;
    for (int id = 0; id < kProbedFields; id++)
        if (const TSServiceField *f = service.GetField(id))
            fields[id] = f->value;
    c.out(record(fields));
}

void put_out(CallText &c, shapes::out, const ServiceList &services, const CallEnd &end)
{
    std::size_t i = 0;
    for (const TCServiceData *service : services)
        if (i++ >= end.list_before && service)
            put_out(c, shapes::out{}, *service, end);
}

void put_out(CallText &c, shapes::buffer, char *const &text, const CallEnd &end)
{
    if (end.succeeded)
        c.out(quote(text ? std::string(text, strnlen(text, kTextSize)) : std::string()));
}

}  // namespace calls
