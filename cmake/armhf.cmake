# Cross build for the TV's 32-bit ARM (hard-float). By default Debian's cross
# toolchain (crossbuild-essential-armhf) with its own libraries; programs run
# under qemu-arm. For a TV's firmware give its sysroot and CPU:
#   -DCMAKE_SYSROOT=/path/to/sysroot -DARMHF_CPU_FLAGS="-mcpu=cortex-a9 -mfpu=neon"
# and, for another toolchain, -DARMHF_TOOLCHAIN_PREFIX=/opt/tv/bin/arm-tv-linux-gnueabihf-
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(ARMHF_TOOLCHAIN_PREFIX arm-linux-gnueabihf- CACHE STRING
  "Prefix of the cross tools (compilers, binutils)")
set(ARMHF_CPU_FLAGS "" CACHE STRING "Target CPU flags for every compile and link")
# The try_compile projects of the compiler checks see the same choices.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ARMHF_TOOLCHAIN_PREFIX ARMHF_CPU_FLAGS)

set(CMAKE_C_COMPILER ${ARMHF_TOOLCHAIN_PREFIX}gcc)
set(CMAKE_CXX_COMPILER ${ARMHF_TOOLCHAIN_PREFIX}g++)
set(CMAKE_C_FLAGS_INIT "${ARMHF_CPU_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${ARMHF_CPU_FLAGS}")

# The target's root: the given sysroot, or where Debian's cross toolchain
# keeps the ARM libraries (its compiler needs no --sysroot for them).
if(CMAKE_SYSROOT)
  set(ARMHF_ROOT ${CMAKE_SYSROOT})
else()
  set(ARMHF_ROOT /usr/arm-linux-gnueabihf)
endif()
set(CMAKE_FIND_ROOT_PATH ${ARMHF_ROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests (and test discovery) run through user-mode emulation; -L is where
# qemu-arm finds the ARM dynamic loader and C library.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -L ${ARMHF_ROOT})
