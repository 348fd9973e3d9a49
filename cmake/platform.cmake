# The platform the build is for.
#   sim     the desktop: the stand-in platform, picture-menu and its catalogue
#   system  a TV: the provider alone (and its tests that need no stand-in); the
#           host process provides the platform
set(PICTURE_PLATFORM sim CACHE STRING "The platform: sim (desktop stand-in) or system (a TV's)")
set_property(CACHE PICTURE_PLATFORM PROPERTY STRINGS sim system)
if(NOT PICTURE_PLATFORM MATCHES "^(sim|system)$")
  message(FATAL_ERROR "PICTURE_PLATFORM is sim or system, not '${PICTURE_PLATFORM}'")
endif()

# A firmware engineer may have the provider name platform libraries in
# NEEDED; by default it names none and binds everything from the host.
set(PICTURE_PLATFORM_LIBRARIES "" CACHE STRING
  "system: platform libraries for the provider to name in NEEDED: pkg-config modules or library files")
set(PICTURE_PLATFORM_LIBRARY_FILES "")
if(PICTURE_PLATFORM_LIBRARIES AND NOT PICTURE_PLATFORM STREQUAL "system")
  message(FATAL_ERROR "PICTURE_PLATFORM_LIBRARIES needs PICTURE_PLATFORM=system")
endif()

# pkg-config modules are looked up in the sysroot of a cross build.
function(picture_find_platform_module module out)
  find_package(PkgConfig REQUIRED)
  if(CMAKE_SYSROOT)
    set(ENV{PKG_CONFIG_SYSROOT_DIR} ${CMAKE_SYSROOT})
    if(NOT DEFINED ENV{PKG_CONFIG_LIBDIR})
      file(GLOB arch_dirs ${CMAKE_SYSROOT}/usr/lib/*/pkgconfig)
      list(JOIN arch_dirs ":" arch_dirs)
      set(ENV{PKG_CONFIG_LIBDIR}
        "${CMAKE_SYSROOT}/usr/lib/pkgconfig:${CMAKE_SYSROOT}/usr/share/pkgconfig:${arch_dirs}")
    endif()
  endif()
  string(MAKE_C_IDENTIFIER "PICTURE_PLATFORM_${module}" prefix)
  pkg_check_modules(${prefix} REQUIRED ${module})
  set(${out} ${${prefix}_LINK_LIBRARIES} PARENT_SCOPE)
endfunction()

foreach(entry IN LISTS PICTURE_PLATFORM_LIBRARIES)
  if(IS_ABSOLUTE ${entry})
    if(NOT EXISTS ${entry})
      message(FATAL_ERROR "PICTURE_PLATFORM_LIBRARIES: no file ${entry}")
    endif()
    list(APPEND PICTURE_PLATFORM_LIBRARY_FILES ${entry})
  else()
    picture_find_platform_module(${entry} files)
    list(APPEND PICTURE_PLATFORM_LIBRARY_FILES ${files})
  endif()
endforeach()
if(PICTURE_PLATFORM_LIBRARY_FILES)
  message(STATUS "The provider names these platform libraries: ${PICTURE_PLATFORM_LIBRARY_FILES}")
endif()
