// Recording the provider's platform calls: its references to the platform's
// functions are pointed at wrappers that call the platform and record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
// The platform functions whose addresses the provider keeps in its data
// apart from the rewritten entries (copied in its static initialisation,
// before the rewrite), each "NAME at offset 0x...": their calls go
// unrecorded.
std::vector<std::string> unrecorded_copies(void *provider_handle);
// Puts the original entries back.
void restore_platform_calls();

}  // namespace recorder
