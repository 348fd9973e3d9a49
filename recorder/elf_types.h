// The ELF records of the loaded libraries, in this target's word size.
#pragma once

#include <elf.h>

#include <cstdint>

namespace recorder {

#if UINTPTR_MAX > 0xFFFFFFFFu
using ElfAddr = Elf64_Addr;
using ElfDyn = Elf64_Dyn;
using ElfSym = Elf64_Sym;
using ElfPhdr = Elf64_Phdr;
using ElfNhdr = Elf64_Nhdr;
#else
using ElfAddr = Elf32_Addr;
using ElfDyn = Elf32_Dyn;
using ElfSym = Elf32_Sym;
using ElfPhdr = Elf32_Phdr;
using ElfNhdr = Elf32_Nhdr;
#endif

}  // namespace recorder
