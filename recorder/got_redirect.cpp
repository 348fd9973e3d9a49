// Redirecting the provider's platform calls. The provider reaches every
// platform function through its global offset table, or through tables of
// function pointers in its data, all filled by the dynamic loader when it was
// loaded (RTLD_NOW). Its relocation tables name the symbol of each entry; the
// entries of the wrapped functions are overwritten with the wrappers'
// addresses, and written back when recording stops. The entry's page may be
// read-only after loading (RELRO), so it is made writable around the write.
#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "elf_types.h"
#include "platform_redirect.h"
#include "record_file.h"
#include "wrapper_table.h"

namespace recorder {
namespace {

#if defined(__x86_64__)
using Rel = Elf64_Rela;
constexpr unsigned kJumpSlot = R_X86_64_JUMP_SLOT;
constexpr unsigned kGlobDat = R_X86_64_GLOB_DAT;
constexpr unsigned kAbsolute = R_X86_64_64;
constexpr long kRelTag = DT_RELA;
constexpr long kRelSizeTag = DT_RELASZ;
unsigned rel_type(const Rel &r)
{
    return ELF64_R_TYPE(r.r_info);
}
unsigned rel_symbol(const Rel &r)
{
    return ELF64_R_SYM(r.r_info);
}
#elif defined(__arm__)
using Rel = Elf32_Rel;
constexpr unsigned kJumpSlot = R_ARM_JUMP_SLOT;
constexpr unsigned kGlobDat = R_ARM_GLOB_DAT;
constexpr unsigned kAbsolute = R_ARM_ABS32;
constexpr long kRelTag = DT_REL;
constexpr long kRelSizeTag = DT_RELSZ;
unsigned rel_type(const Rel &r)
{
    return ELF32_R_TYPE(r.r_info);
}
unsigned rel_symbol(const Rel &r)
{
    return ELF32_R_SYM(r.r_info);
}
#else
// Other targets: the requests are recorded, the platform calls are not.
#define RECORDER_UNKNOWN_RELOCATIONS 1
#endif

struct Patched {
    void **entry;
    void *original;
};

std::vector<Patched> &patched()
{
    static std::vector<Patched> entries;
    return entries;
}

// The loader stores most dynamic addresses relocated; a value below the
// load address is still an offset.
std::uintptr_t address(const link_map *map, ElfAddr value)
{
    return value < map->l_addr ? map->l_addr + value : value;
}

struct Relro {
    std::uintptr_t begin = 0, end = 0;
};

int find_relro(dl_phdr_info *info, std::size_t, void *data)
{
    auto *wanted = static_cast<std::pair<ElfAddr, Relro> *>(data);
    if (info->dlpi_addr != wanted->first)
        return 0;
    for (int i = 0; i < info->dlpi_phnum; i++) {
        const ElfPhdr &ph = info->dlpi_phdr[i];
        if (ph.p_type == PT_GNU_RELRO) {
            wanted->second.begin = info->dlpi_addr + ph.p_vaddr;
            wanted->second.end = wanted->second.begin + ph.p_memsz;
        }
    }
    return 1;
}

// The provider's writable data, word-aligned.
struct Range {
    std::uintptr_t begin, end;
};

int find_writable(dl_phdr_info *info, std::size_t, void *data)
{
    auto *wanted = static_cast<std::pair<ElfAddr, std::vector<Range>> *>(data);
    if (info->dlpi_addr != wanted->first)
        return 0;
    constexpr std::uintptr_t kWord = sizeof(void *);
    for (int i = 0; i < info->dlpi_phnum; i++) {
        const ElfPhdr &ph = info->dlpi_phdr[i];
        if (ph.p_type != PT_LOAD || !(ph.p_flags & PF_W))
            continue;
        std::uintptr_t begin = info->dlpi_addr + ph.p_vaddr;
        std::uintptr_t end = begin + ph.p_memsz;
        wanted->second.push_back({(begin + kWord - 1) & ~(kWord - 1), end & ~(kWord - 1)});
    }
    return 1;
}

// A word of the provider's data, read whatever a sanitizer made of the
// space between its variables.
__attribute__((no_sanitize_address)) void *word_at(std::uintptr_t at)
{
    return *loaded<void *const>(at);
}

std::string hex(std::uintptr_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

bool write_entry(void **entry, void *value, const Relro &relro)
{
    auto at = reinterpret_cast<std::uintptr_t>(entry);
    auto page_size = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    void *page = loaded<void>(at & ~(page_size - 1));
    bool read_only = at >= relro.begin && at < relro.end;
    if (read_only && mprotect(page, page_size, PROT_READ | PROT_WRITE) != 0)
        return false;
    *entry = value;
    if (read_only)
        mprotect(page, page_size, PROT_READ);
    return true;
}

// The wrappers by the name their function has in the library defining it;
// with log lines left out of the recording, the platform log is not wrapped.
std::map<std::string, Wrapper> wrappers_by_name()
{
    std::map<std::string, Wrapper> by_name;
    const void *log = log_wrapper().wrapper;
    for (const Wrapper &w : platform_wrappers()) {
        if (w.wrapper == log && !recording_log())
            continue;
        Dl_info info{};
        if (dladdr(w.real, &info) && info.dli_sname && info.dli_saddr == w.real)
            by_name[info.dli_sname] = w;
    }
    return by_name;
}

Relro relro_of(const link_map *map)
{
    std::pair<ElfAddr, Relro> wanted{map->l_addr, {}};
    dl_iterate_phdr(find_relro, &wanted);
    return wanted.second;
}

}  // namespace

#ifdef RECORDER_UNKNOWN_RELOCATIONS
bool redirect_platform_calls(void *, std::string *why)
{
    *why = "the recorder does not know this target's relocations";
    return false;
}

std::vector<std::string> unrecorded_copies(void *)
{
    return {};
}

void restore_platform_calls()
{
}
#else
bool redirect_platform_calls(void *provider_handle, std::string *why)
{
    link_map *map = nullptr;
    if (dlinfo(provider_handle, RTLD_DI_LINKMAP, &map) != 0 || !map) {
        *why = "no link map of the provider";
        return false;
    }
    std::uintptr_t symtab = 0, strtab = 0, jmprel = 0, rel = 0;
    std::size_t jmprel_size = 0, rel_size = 0;
    for (const ElfDyn *d = map->l_ld; d->d_tag != DT_NULL; d++) {
        switch (d->d_tag) {
        case DT_SYMTAB: symtab = address(map, d->d_un.d_ptr); break;
        case DT_STRTAB: strtab = address(map, d->d_un.d_ptr); break;
        case DT_JMPREL: jmprel = address(map, d->d_un.d_ptr); break;
        case DT_PLTRELSZ: jmprel_size = d->d_un.d_val; break;
        case kRelTag: rel = address(map, d->d_un.d_ptr); break;
        case kRelSizeTag: rel_size = d->d_un.d_val; break;
        default: break;
        }
    }
    if (!symtab || !strtab) {
        *why = "the provider has no dynamic symbol table";
        return false;
    }
    const std::map<std::string, Wrapper> by_name = wrappers_by_name();
    const Relro relro = relro_of(map);
    const auto *symbols = loaded<const ElfSym>(symtab);
    const auto *names = loaded<const char>(strtab);
    const std::pair<std::uintptr_t, std::size_t> tables[] = {{jmprel, jmprel_size},
                                                             {rel, rel_size}};
    for (const auto &[table, size] : tables) {
        const auto *r = loaded<const Rel>(table);
        for (std::size_t i = 0; table && i < size / sizeof(Rel); i++) {
            unsigned type = rel_type(r[i]);
            if (type != kJumpSlot && type != kGlobDat && type != kAbsolute)
                continue;
            auto it = by_name.find(names + symbols[rel_symbol(r[i])].st_name);
            if (it == by_name.end())
                continue;
            auto **entry = loaded<void *>(map->l_addr + r[i].r_offset);
            void *original = *entry;
            if (original == it->second.wrapper)
                continue;  // rewritten already: the platform's address is not there
            // A pointer in data is the function's address only without an addend.
            if (type == kAbsolute && original != it->second.real)
                continue;
            if (!write_entry(entry, it->second.wrapper, relro)) {
                restore_platform_calls();
                *why = "cannot write the provider's offset table";
                return false;
            }
            patched().push_back({entry, original});
        }
    }
    return true;
}

std::vector<std::string> unrecorded_copies(void *provider_handle)
{
    std::vector<std::string> found;
    link_map *map = nullptr;
    if (dlinfo(provider_handle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return found;
    std::map<void *, std::string> by_address;
    for (const auto &[name, w] : wrappers_by_name())
        by_address[w.real] = name;
    std::pair<ElfAddr, std::vector<Range>> wanted{map->l_addr, {}};
    dl_iterate_phdr(find_writable, &wanted);
    for (const Range &range : wanted.second)
        for (std::uintptr_t at = range.begin; at < range.end; at += sizeof(void *)) {
            auto it = by_address.find(word_at(at));
            if (it != by_address.end())
                found.push_back(it->second + " at offset " + hex(at - map->l_addr));
        }
    return found;
}

void restore_platform_calls()
{
    // Every entry lies in one object, so its read-only range is found once.
    Relro relro;
    if (!patched().empty()) {
        Dl_info info{};
        link_map *map = nullptr;
        if (dladdr1(patched().front().entry, &info, reinterpret_cast<void **>(&map),
                    RTLD_DL_LINKMAP) &&
            map)
            relro = relro_of(map);
    }
    for (const Patched &p : patched())
        write_entry(p.entry, p.original, relro);
    patched().clear();
}
#endif

}  // namespace recorder
