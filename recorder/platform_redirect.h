// Recording the provider's platform calls: its references to the platform's
// functions are pointed at wrappers that call the platform and record.
#pragma once

#include <cstdint>
#include <string>

namespace recorder {

// An address of the loaded provider, as the loader reports it, as a pointer.
template <typename T> T *loaded(std::uintptr_t address)
{
    return reinterpret_cast<T *>(address);  // NOLINT(performance-no-int-to-ptr): loader addresses
}

// A platform function's wrapper and the function itself.
struct Wrapper {
    void *wrapper;
    void *real;
};

// Rewrites the loaded provider's GOT entries of the wrapped functions;
// false, with a reason, when its dynamic section cannot be read.
bool redirect_platform_calls(void *provider_handle, std::string *why);
// Puts the original entries back.
void restore_platform_calls();

}  // namespace recorder
