// Recording one platform call: the call line in the call notation, written
// as the call returns:
//   call: avoc_get_film_mode(0, out, 1) = 0, out 2
// Objects the call hands out are handed on wrapped (adopt), so that their
// methods are recorded too. Nothing is written when recording is off.
#pragma once

#include <optional>
#include <type_traits>

#include "platform_calls.h"
#include "record_file.h"

namespace recorder {

// What a call hands out, as the provider gets it: the TV service's objects
// in recording proxies, anything else as it is.
template <typename T> void adopt(T &)
{
}
template <typename T> T adopted(T value)
{
    return value;
}
// NOLINTBEGIN(bugprone-macro-parentheses): the macros' arguments are types and names
#define RECORDER_ADOPT_DECLARATIONS(cls, methods)                                                  \
    void adopt(cls **&out);                                                                        \
    cls *adopted(cls *object);
PLATFORM_INTERFACES(RECORDER_ADOPT_DECLARATIONS)
// NOLINTEND(bugprone-macro-parentheses)

// The TV service profile of the objects the calling thread's call now hands
// out, and of the object whose method it now records; 0 for none.
int &creating_profile();
int &called_profile();

// The profile among a call's arguments (a factory's), 0 when it has none.
template <typename T> int profile_in(const T &)
{
    return 0;
}
inline int profile_in(const EProfile &profile)
{
    return profile;
}

// Sets a thread's profile for the time of one call.
class ProfileScope {
public:
    ProfileScope(int &slot, int profile) : slot_(slot), before_(slot) { slot = profile; }
    ~ProfileScope() { slot_ = before_; }
    ProfileScope(const ProfileScope &) = delete;
    ProfileScope &operator=(const ProfileScope &) = delete;

private:
    int &slot_;
    int before_;
};

// A call line into the thread's open request, or alone outside one; a
// method of an object made for a profile says which.
inline void put_call(const std::string &text)
{
    std::string alone;
    std::string *lines = request_lines();
    std::string &line = lines ? *lines : alone;
    line += "call: ";
    line += text;
    if (int profile = called_profile())
        line += " (profile " + std::to_string(profile) + ")";
    if (lines)
        line += '\n';
    else
        write_line(alone);
}

template <typename R> bool succeeded(const R &result)
{
    if constexpr (std::is_integral_v<R>)
        return result == 0;
    else
        return true;
}

// Calls the platform function F through `call` and records the call with
// `args`, the call's own arguments.
template <auto F, typename Call, typename... A> auto recorded(Call call, A &...args)
{
    using Row = calls::Row<F>;
    using R = typename Row::Result;
    std::optional<calls::CallText> line;
    if (recording()) {
        line.emplace(Row::kName);
        Row::args(*line, args...);
    }
    std::size_t list_before = (std::size_t{0} + ... + calls::list_size(args));
    if constexpr (std::is_void_v<R>) {
        call();
        if (line) {
            Row::outs(*line, {true, list_before}, args...);
            put_call(line->call());
        }
    } else {
        ProfileScope creating(creating_profile(), (0 + ... + profile_in(args)));
        R r = adopted(call());
        (adopt(args), ...);
        if (line) {
            line->result(calls::result_text(r));
            Row::outs(*line, {succeeded(r), list_before}, args...);
            put_call(line->text());
        }
        return r;
    }
}

}  // namespace recorder
