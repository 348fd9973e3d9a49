// Reading the GNU build id from a loaded library's note segments.
#include "build_id.h"

#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <cstring>

#include "elf_types.h"
#include "platform_redirect.h"

namespace recorder {
namespace {

struct BuildId {
    ElfAddr base;
    std::string hex;
};

// The id from one note segment; false when the segment has none.
bool read_notes(const unsigned char *p, const unsigned char *end, std::string *hex)
{
    while (p + sizeof(ElfNhdr) <= end) {
        auto *note = reinterpret_cast<const ElfNhdr *>(p);
        const unsigned char *desc = p + sizeof *note + ((note->n_namesz + 3) & ~3U);
        if (note->n_type == NT_GNU_BUILD_ID && note->n_namesz == 4 &&
            std::memcmp(p + sizeof *note, "GNU", 4) == 0) {
            static const char kHex[] = "0123456789abcdef";
            for (unsigned k = 0; k < note->n_descsz; k++) {
                *hex += kHex[desc[k] >> 4];
                *hex += kHex[desc[k] & 15];
            }
            return true;
        }
        p = desc + ((note->n_descsz + 3) & ~3U);
    }
    return false;
}

int find_build_id(dl_phdr_info *info, std::size_t, void *data)
{
    auto *id = static_cast<BuildId *>(data);
    if (info->dlpi_addr != id->base)
        return 0;
    for (int i = 0; i < info->dlpi_phnum; i++) {
        const ElfPhdr &ph = info->dlpi_phdr[i];
        if (ph.p_type != PT_NOTE)
            continue;
        const auto *p = loaded<const unsigned char>(info->dlpi_addr + ph.p_vaddr);
        if (read_notes(p, p + ph.p_memsz, &id->hex))
            return 1;
    }
    return 1;
}

}  // namespace

std::string build_id(void *handle)
{
    link_map *map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return "unknown";
    BuildId id{map->l_addr, ""};
    dl_iterate_phdr(find_build_id, &id);
    return id.hex.empty() ? "unknown" : id.hex;
}

}  // namespace recorder
