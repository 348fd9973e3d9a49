// The platform's rows (platform_functions.h) as calls in the call notation:
// Row<F> of a platform function F gives its name, writes its arguments and,
// after the call, its out-values. The stand-in's journal, the recorder and
// the test platform all go through it.
#pragma once

#include <array>
#include <cstring>
#include <string>
#include <tuple>

#include "call_notation.h"
#include "platform_functions.h"

namespace calls {

// The shapes of the rows' arguments (platform_rows.h).
namespace shapes {
// clang-format off
struct in {}; struct hex {}; struct picture {}; struct flag {}; struct index {};
struct component {}; struct out {}; struct buffer {}; struct handle {}; struct criteria {};
struct callback {}; struct data {};
// clang-format on
}  // namespace shapes

// ---- arguments ---------------------------------------------------------------

template <typename T> std::string in_text(shapes::in, const T &v)
{
    return text_of(v);
}
std::string in_text(shapes::in, const TSTvMode &mode);
std::string in_text(shapes::in, const std::list<ESource> &sources);
std::string in_text(shapes::in, avoc_rgb_s *const &rgb);
template <typename T> std::string in_text(shapes::picture, const T &v)
{
    return text_of(v);
}
template <typename T> std::string in_text(shapes::flag, const T &v)
{
    return text_of(v);
}
template <typename T> std::string in_text(shapes::index, const T &v)
{
    return text_of(v);
}
template <typename T> std::string in_text(shapes::component, const T &v)
{
    return text_of(v);
}
template <typename T> std::string in_text(shapes::hex, const T &v)
{
    return hex_of(static_cast<std::make_unsigned_t<T>>(v));
}
template <typename T> std::string in_text(shapes::out, const T &)
{
    return "out";
}
template <typename T> std::string in_text(shapes::buffer, const T &)
{
    return "buffer";
}
template <typename T> std::string in_text(shapes::handle, const T &)
{
    return "handle";
}
template <typename T> std::string in_text(shapes::criteria, const T &)
{
    return "criteria";
}
template <typename T> std::string in_text(shapes::callback, const T &v)
{
    return v ? "callback" : "null";
}
template <typename T> std::string in_text(shapes::data, const T &v)
{
    return v ? "data" : "null";
}

// ---- results and out-values --------------------------------------------------

// How a call ended, as far as its out-values need to know: whether it
// succeeded and how long a service list was before it.
struct CallEnd {
    bool succeeded;           // a result of 0, or no result
    std::size_t list_before;  // records in a service list before the call
};

template <typename T> std::string result_text(const T &r)
{
    if constexpr (std::is_same_v<T, char *> || std::is_same_v<T, std::string>)
        return quote(r);
    else if constexpr (std::is_pointer_v<T>)
        return r ? "object" : "null";
    else
        return text_of(r);
}

// Arguments the caller passes show nothing after the call.
template <typename S, typename T> void put_out(CallText &, S, const T &, const CallEnd &)
{
}
template <typename T> void put_out(CallText &c, shapes::out, T *const &p, const CallEnd &)
{
    c.out(p ? text_of(*p) : "0");
}
// A handed-out object or handle.
template <typename T> void put_out(CallText &c, shapes::out, T **const &p, const CallEnd &)
{
    c.out(p && *p ? "object" : "null");
}
void put_out(CallText &c, shapes::out, avoc_rgb_s *const &rgb, const CallEnd &);
void put_out(CallText &c, shapes::out, avoc_hsl_s *const &hsl, const CallEnd &);
void put_out(CallText &c, shapes::out, const std::wstring &text, const CallEnd &);
void put_out(CallText &c, shapes::out, const TSTvMode &mode, const CallEnd &);
void put_out(CallText &c, shapes::out, const ESourceStatusMap &status, const CallEnd &);
void put_out(CallText &c, shapes::out, const TCServiceData &service, const CallEnd &);
void put_out(CallText &c, shapes::out, const ServiceList &services, const CallEnd &);
// A filled buffer's text; a call that failed filled nothing.
void put_out(CallText &c, shapes::buffer, char *const &text, const CallEnd &end);

// The records a service list call may add to, for CallEnd::list_before.
template <typename T> std::size_t list_size(const T &)
{
    return 0;
}
inline std::size_t list_size(const ServiceList &services)
{
    return services.size();
}

// ---- rows --------------------------------------------------------------------

template <auto F> struct Row;

// clang-format off
#define CALLS_PARAM_(s, type, name) , [[maybe_unused]] type name
#define CALLS_ARG_(s, type, name) c.arg(::calls::in_text(::calls::shapes::s{}, name));
#define CALLS_OUT_(s, type, name) ::calls::put_out(c, ::calls::shapes::s{}, name, end);
#define CALLS_SHAPE_(s, type, name) ::calls::shapes::s
#define CALLS_NAME_(s, type, name) #name
#define CALLS_ROW(pointer, qualified, ret, ...)                                                  \
    template <> struct Row<pointer> {                                                             \
        using Result = ret;                                                                       \
        using Shapes = std::tuple<PLATFORM_EACH(CALLS_SHAPE_, PLATFORM_COMMA, ##__VA_ARGS__)>;    \
        static constexpr const char *kName = qualified;                                           \
        static constexpr std::array<const char *, PLATFORM_COUNT(__VA_ARGS__)> kParams{           \
            {PLATFORM_EACH(CALLS_NAME_, PLATFORM_COMMA, ##__VA_ARGS__)}};                         \
        static void args([[maybe_unused]] CallText &c                                             \
                         PLATFORM_EACH(CALLS_PARAM_, PLATFORM_NOTHING, ##__VA_ARGS__))            \
        {                                                                                         \
            PLATFORM_EACH(CALLS_ARG_, PLATFORM_NOTHING, ##__VA_ARGS__)                            \
        }                                                                                         \
        static void outs([[maybe_unused]] CallText &c, [[maybe_unused]] const CallEnd &end    \
                         PLATFORM_EACH(CALLS_PARAM_, PLATFORM_NOTHING, ##__VA_ARGS__))            \
        {                                                                                         \
            PLATFORM_EACH(CALLS_OUT_, PLATFORM_NOTHING, ##__VA_ARGS__)                            \
        }                                                                                         \
    };
// clang-format on

// A row's function as a pointer, overloads told apart by the row's types.
#define PLATFORM_C_POINTER(ret, name, ...) static_cast<ret (*)(PLATFORM_TYPES(__VA_ARGS__))>(&name)
#define PLATFORM_STATIC_POINTER(cls, ret, name, ...)                                               \
    static_cast<ret (*)(PLATFORM_TYPES(__VA_ARGS__))>(&cls::name)
#define PLATFORM_MEMBER_POINTER(cls, ret, name, ...)                                               \
    static_cast<ret (cls::*)(PLATFORM_TYPES(__VA_ARGS__))>(&cls::name)

#define CALLS_C_ROW(ret, name, ...)                                                                \
    CALLS_ROW(PLATFORM_C_POINTER(ret, name, ##__VA_ARGS__), #name, ret, ##__VA_ARGS__)
#define CALLS_STATIC_ROW(cls, ret, name, ...)                                                      \
    CALLS_ROW(PLATFORM_STATIC_POINTER(cls, ret, name, ##__VA_ARGS__), #cls "::" #name, ret,        \
              ##__VA_ARGS__)
#define CALLS_MEMBER_ROW(cls, ret, name, ...)                                                      \
    CALLS_ROW(PLATFORM_MEMBER_POINTER(cls, ret, name, ##__VA_ARGS__), #cls "::" #name, ret,        \
              ##__VA_ARGS__)

PLATFORM_C_FUNCTIONS(CALLS_C_ROW)
PLATFORM_STATIC_FUNCTIONS(CALLS_STATIC_ROW)
PLATFORM_MEMBER_FUNCTIONS(CALLS_MEMBER_ROW)
#define CALLS_INTERFACE_ROWS(cls, methods) methods(CALLS_MEMBER_ROW)
PLATFORM_INTERFACES(CALLS_INTERFACE_ROWS)

// "name(args)" of a call of F.
template <auto F, typename... A> std::string call_text(A &&...a)
{
    CallText c(Row<F>::kName);
    Row<F>::args(c, a...);
    return c.call();
}

}  // namespace calls
