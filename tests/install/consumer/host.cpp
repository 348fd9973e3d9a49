// Names what a host needs from the interface: the table's size, a slot, a key
// and where the provider is installed.
#include <picture_keys.h>
#include <picture_provider.h>

#include <cstdio>

int main()
{
    std::printf("%d %d %s %s\n", PROVIDER_SLOT_COUNT, PROVIDER_SLOT_GET_INT,
                PICTURE_PIP_CHANNEL_KEY, PROVIDER_LIBRARY);
    return 0;
}
