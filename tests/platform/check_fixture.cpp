// A library that calls the platform as the provider does, built in the ways a
// provider must not ship, to show that the shipping check refuses each.
#include "avoc.h"

#ifdef STRAY_SYMBOL
extern "C" int not_a_platform_function(void);
#endif
#ifdef CHANGED_SIGNATURE
#include <string>
// A platform header whose declaration drifted from the platform: the last
// parameter became an int.
class TCServiceDataUtility {
public:
    static bool GetServiceName(unsigned long long serviceId, std::wstring &name, int full);
};
#endif

extern "C" __attribute__((visibility("default"))) int fixture_read(int *value)
{
    int status = avoc_get_gamma(0, value, 1);
#ifdef STRAY_SYMBOL
    status += not_a_platform_function();
#endif
#ifdef CHANGED_SIGNATURE
    std::wstring name;
    status += TCServiceDataUtility::GetServiceName(1, name, 1) ? 1 : 0;
#endif
    return status;
}
