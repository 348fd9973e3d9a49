// Allocation counting: this program's malloc, calloc, realloc and operator
// new stand in for the C library's in every loaded library, count, and hand
// over to glibc's own entry points.
#include "alloc_count.h"

#include <dlfcn.h>
#include <link.h>

#include <cstddef>
#include <new>

extern "C" void *__libc_malloc(std::size_t size);
extern "C" void *__libc_calloc(std::size_t n, std::size_t size);
extern "C" void *__libc_realloc(void *p, std::size_t size);

namespace bench {
namespace {

AllocCounts g_counts;
std::uintptr_t g_begin = 0;  // the counted library's code, [g_begin, g_end)
std::uintptr_t g_end = 0;

void note(const void *caller)
{
    auto at = reinterpret_cast<std::uintptr_t>(caller);
    ++g_counts.all;
    if (at >= g_begin && at < g_end)
        ++g_counts.provider;
}

}  // namespace

AllocCounts alloc_counts()
{
    return g_counts;
}

// The executable segment of the library, found by its load address.
static int find_code(dl_phdr_info *object, std::size_t, void *base)
{
    if (object->dlpi_addr != reinterpret_cast<ElfW(Addr)>(base))
        return 0;
    for (int i = 0; i < object->dlpi_phnum; ++i) {
        const ElfW(Phdr) &ph = object->dlpi_phdr[i];
        if (ph.p_type == PT_LOAD && (ph.p_flags & PF_X)) {
            g_begin = object->dlpi_addr + ph.p_vaddr;
            g_end = g_begin + ph.p_memsz;
        }
    }
    return 1;
}

void count_allocations_of(const void *symbol)
{
    Dl_info info{};
    if (dladdr(symbol, &info))
        dl_iterate_phdr(find_code, info.dli_fbase);
}

}  // namespace bench

extern "C" void *malloc(std::size_t size)
{
    bench::note(__builtin_return_address(0));
    return __libc_malloc(size);
}

extern "C" void *calloc(std::size_t n, std::size_t size)
{
    bench::note(__builtin_return_address(0));
    return __libc_calloc(n, size);
}

extern "C" void *realloc(void *p, std::size_t size)
{
    bench::note(__builtin_return_address(0));
    return __libc_realloc(p, size);
}

void *operator new(std::size_t size)
{
    bench::note(__builtin_return_address(0));
    if (void *p = __libc_malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void *operator new[](std::size_t size)
{
    bench::note(__builtin_return_address(0));
    if (void *p = __libc_malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
