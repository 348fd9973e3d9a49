// The second platform: every function of the platform rows, expanded from
// them, answering from other::answers() and journaling its name. A call
// with an out-parameter and no answer fails; one without stores its value.
// The TV service hands out no objects, so the picture size and PIP paths
// fail at their first call here.
#include "other_platform.h"

#include <tuple>
#include <type_traits>
#include <utility>

#include "platform_calls.h"

#define EXPORT OTHER_PLATFORM_EXPORT

namespace other {

std::map<std::string, int> &answers()
{
    static std::map<std::string, int> a;
    return a;
}

std::map<std::string, int> &written()
{
    static std::map<std::string, int> w;
    return w;
}

std::vector<std::string> &calls()
{
    static std::vector<std::string> c;
    return c;
}

void reset()
{
    answers().clear();
    written().clear();
    calls().clear();
}

}  // namespace other

namespace {

template <typename S>
constexpr bool kOut =
    std::is_same_v<S, calls::shapes::out> || std::is_same_v<S, calls::shapes::buffer>;

// An answered out-parameter takes the answer; an unanswered one is left
// alone, but for a handed-out object (none) and a buffer (empty).
template <typename S, typename T> void put(S, T &, const int *)
{
}
template <typename S, typename T> void put(S, T *out, const int *answer)
{
    if constexpr (!kOut<S> || std::is_const_v<T>) {
        return;
    } else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>) {
        if (answer && out)
            *out = static_cast<T>(*answer);
    } else if constexpr (std::is_pointer_v<T>) {
        if (out)
            *out = nullptr;
    }
    if constexpr (std::is_same_v<T, char>) {
        if (!answer && out)
            *out = '\0';
    }
}

template <typename S, typename T> void store(const char *name, S, const T &value)
{
    if constexpr (std::is_same_v<S, calls::shapes::in> && std::is_integral_v<T>)
        other::written().try_emplace(name, static_cast<int>(value));
}

template <auto F, typename... A, std::size_t... I>
auto answer(std::index_sequence<I...>, A &...args)
{
    using Row = calls::Row<F>;
    using R = typename Row::Result;
    using Shapes = typename Row::Shapes;
    other::calls().emplace_back(Row::kName);
    auto found = other::answers().find(Row::kName);
    const int *given = found == other::answers().end() ? nullptr : &found->second;
    constexpr bool has_out = (kOut<std::tuple_element_t<I, Shapes>> || ...);
    if constexpr (has_out)
        (put(std::tuple_element_t<I, Shapes>{}, args, given), ...);
    else
        (store(Row::kName, std::tuple_element_t<I, Shapes>{}, args), ...);
    if constexpr (std::is_integral_v<R> && !std::is_same_v<R, bool>)
        return has_out && !given ? static_cast<R>(other::kFailure) : given && !has_out ? *given : 0;
    else if constexpr (!std::is_void_v<R>)
        return R{};
}

template <auto F, typename... A> auto answer(A &...args)
{
    return answer<F>(std::index_sequence_for<A...>{}, args...);
}

}  // namespace

// clang-format off
#define OTHER_C(ret, name, ...) \
    extern "C" EXPORT ret name(PLATFORM_PARAMS(__VA_ARGS__)) \
    { return answer<PLATFORM_C_POINTER(ret, name, ##__VA_ARGS__)>(PLATFORM_ARGS(__VA_ARGS__)); }
#define OTHER_STATIC(cls, ret, name, ...) \
    EXPORT ret cls::name(PLATFORM_PARAMS(__VA_ARGS__)) \
    { return answer<PLATFORM_STATIC_POINTER(cls, ret, name, ##__VA_ARGS__)>(PLATFORM_ARGS(__VA_ARGS__)); }
#define OTHER_MEMBER(cls, ret, name, ...) \
    EXPORT ret cls::name(PLATFORM_PARAMS(__VA_ARGS__)) \
    { return answer<PLATFORM_MEMBER_POINTER(cls, ret, name, ##__VA_ARGS__)>(PLATFORM_ARGS(__VA_ARGS__)); }
// clang-format on

PLATFORM_C_FUNCTIONS(OTHER_C)
PLATFORM_STATIC_FUNCTIONS(OTHER_STATIC)
PLATFORM_MEMBER_FUNCTIONS(OTHER_MEMBER)

extern "C" EXPORT int __dlog_print(log_id_t, int, const char *, const char *, ...)
{
    other::calls().emplace_back("__dlog_print");
    return 0;
}

// Records without fields and criteria that keep nothing: the provider never
// gets a record filled from here.
EXPORT TCServiceData::TCServiceData() : m_fields(nullptr)
{
}
EXPORT TCServiceData::TCServiceData(const TCServiceData &other) = default;
EXPORT TCServiceData &TCServiceData::operator=(const TCServiceData &other) = default;
EXPORT TCServiceData::~TCServiceData() = default;
EXPORT const TSServiceField *TCServiceData::GetField(int) const
{
    return static_cast<const TSServiceField *>(m_fields);
}
EXPORT void TCServiceData::SetField(int, unsigned long long)
{
}
EXPORT void TCServiceData::Clear()
{
}
EXPORT TCCriteriaHelper::TCCriteriaHelper() : m_criteria(nullptr)
{
}
EXPORT TCCriteriaHelper::~TCCriteriaHelper()
{
    m_criteria = nullptr;
}
