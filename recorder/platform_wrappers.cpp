// The wrappers of the platform's functions and the proxies of the TV
// service's objects, expanded from the platform rows: each calls the
// platform and records the call (call_line.h).
#include <cstring>
#include <map>
#include <mutex>

#include "call_line.h"
#include "wrapper_table.h"

// NOLINTBEGIN(bugprone-macro-parentheses): the macros' arguments are types and names
namespace recorder {
namespace {

#define RECORDER_ARG_AFTER_(shape, type, name) , name
#define RECORDER_ARGS_AFTER(...) PLATFORM_EACH(RECORDER_ARG_AFTER_, PLATFORM_NOTHING, ##__VA_ARGS__)
#define RECORDER_TYPE_AFTER_(shape, type, name) , type
#define RECORDER_PARAM_AFTER_(shape, type, name) , type name

// ---- proxies -------------------------------------------------------------------

}  // namespace

int &creating_profile()
{
    thread_local int profile = 0;
    return profile;
}

int &called_profile()
{
    thread_local int profile = 0;
    return profile;
}

namespace {

template <typename Interface> class Proxy;

#define RECORDER_PROXY_METHOD(cls, ret, name, ...)                                                 \
    ret name(PLATFORM_PARAMS(__VA_ARGS__)) override                                                \
    {                                                                                              \
        ProfileScope recorder_on_(called_profile(), profile_);                                     \
        return recorded<PLATFORM_MEMBER_POINTER(cls, ret, name, ##__VA_ARGS__)>([&] {              \
            return real_->name(PLATFORM_ARGS(__VA_ARGS__));                                        \
        } RECORDER_ARGS_AFTER(__VA_ARGS__));                                                       \
    }
#define RECORDER_PROXY(cls, methods)                                                               \
    template <> class Proxy<cls> final : public cls {                                              \
    public:                                                                                        \
        explicit Proxy(cls *real) : real_(real), profile_(creating_profile()) {}                   \
        methods(RECORDER_PROXY_METHOD) private : cls *real_;                                       \
        int profile_; /* the profile it was made for */                                            \
    };
PLATFORM_INTERFACES(RECORDER_PROXY)

// One proxy per object, kept for the life of the process as the TV service
// keeps its objects; the provider may hold them after recording stops.
template <typename Interface> Interface *proxy_of(Interface *real)
{
    static std::mutex lock;
    static auto *proxies = new std::map<Interface *, Proxy<Interface> *>;
    std::lock_guard<std::mutex> hold(lock);
    auto it = proxies->find(real);
    if (it == proxies->end())
        it = proxies->emplace(real, new Proxy<Interface>(real)).first;
    return it->second;
}

// ---- wrappers ------------------------------------------------------------------

#define RECORDER_C_WRAPPER(ret, name, ...)                                                         \
    ret w_##name(PLATFORM_PARAMS(__VA_ARGS__))                                                     \
    {                                                                                              \
        return recorded<PLATFORM_C_POINTER(ret, name, ##__VA_ARGS__)>(                             \
            [&] { return name(PLATFORM_ARGS(__VA_ARGS__)); } RECORDER_ARGS_AFTER(__VA_ARGS__));    \
    }
#define RECORDER_STATIC_WRAPPER(cls, ret, name, ...)                                               \
    ret w_##cls##_##name(PLATFORM_PARAMS(__VA_ARGS__))                                             \
    {                                                                                              \
        return recorded<PLATFORM_STATIC_POINTER(cls, ret, name, ##__VA_ARGS__)>([&] {              \
            return cls::name(PLATFORM_ARGS(__VA_ARGS__));                                          \
        } RECORDER_ARGS_AFTER(__VA_ARGS__));                                                       \
    }
// Member functions are called with the object first.
#define RECORDER_MEMBER_WRAPPER(cls, ret, name, ...)                                               \
    ret w_##cls##_##name(                                                                          \
        cls *self PLATFORM_EACH(RECORDER_PARAM_AFTER_, PLATFORM_NOTHING, ##__VA_ARGS__))           \
    {                                                                                              \
        return recorded<PLATFORM_MEMBER_POINTER(cls, ret, name, ##__VA_ARGS__)>([&] {              \
            return self->name(PLATFORM_ARGS(__VA_ARGS__));                                         \
        } RECORDER_ARGS_AFTER(__VA_ARGS__));                                                       \
    }

PLATFORM_C_FUNCTIONS(RECORDER_C_WRAPPER)
PLATFORM_STATIC_FUNCTIONS(RECORDER_STATIC_WRAPPER)
PLATFORM_MEMBER_FUNCTIONS(RECORDER_MEMBER_WRAPPER)

template <typename F> void *address(F *f)
{
    return reinterpret_cast<void *>(f);
}

// A member function's address as a plain one (the first word of the
// pointer to member, for a function that is not virtual).
template <typename Member> void *member_address(Member member)
{
    void *address = nullptr;
    std::memcpy(&address, &member, sizeof address);
    return address;
}

#define RECORDER_C_ROW(ret, name, ...)                                                             \
    {address(static_cast<ret (*)(PLATFORM_TYPES(__VA_ARGS__))>(&w_##name)),                        \
     address(PLATFORM_C_POINTER(ret, name, ##__VA_ARGS__))},
#define RECORDER_STATIC_ROW(cls, ret, name, ...)                                                   \
    {address(static_cast<ret (*)(PLATFORM_TYPES(__VA_ARGS__))>(&w_##cls##_##name)),                \
     address(PLATFORM_STATIC_POINTER(cls, ret, name, ##__VA_ARGS__))},
#define RECORDER_MEMBER_ROW(cls, ret, name, ...)                                                   \
    {address(static_cast<ret (*)(cls * PLATFORM_EACH(RECORDER_TYPE_AFTER_, PLATFORM_NOTHING,       \
                                                     ##__VA_ARGS__))>(&w_##cls##_##name)),         \
     member_address(PLATFORM_MEMBER_POINTER(cls, ret, name, ##__VA_ARGS__))},

}  // namespace

#define RECORDER_ADOPT(cls, methods)                                                               \
    void adopt(cls **&out)                                                                         \
    {                                                                                              \
        if (out && *out)                                                                           \
            *out = proxy_of(*out);                                                                 \
    }                                                                                              \
    cls *adopted(cls *object)                                                                      \
    {                                                                                              \
        return object ? proxy_of(object) : nullptr;                                                \
    }
PLATFORM_INTERFACES(RECORDER_ADOPT)
// NOLINTEND(bugprone-macro-parentheses)

std::vector<Wrapper> platform_wrappers()
{
    return {
        PLATFORM_C_FUNCTIONS(RECORDER_C_ROW) PLATFORM_STATIC_FUNCTIONS(RECORDER_STATIC_ROW)
            PLATFORM_MEMBER_FUNCTIONS(RECORDER_MEMBER_ROW) log_wrapper(),
    };
}

}  // namespace recorder
