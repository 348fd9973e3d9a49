# Checks that a provider library can ship: it binds its platform from the
# process that loads it. Fails when
#  - it names a library other than the C and C++ runtime (and the platform
#    libraries the build was asked to link) in NEEDED,
#  - it carries an RPATH or RUNPATH,
#  - it leaves a symbol undefined that is neither the runtime's nor a
#    platform function of the list.
#
#   cmake -DLIBRARY=... -DNM=... -DREADELF=... -DPLATFORM_LIST=...
#         [-DSANITIZED=ON] [-DPLATFORM_LIBRARIES=a.so|b.so] -P shipping_check_script.cmake

cmake_policy(VERSION 3.25)

foreach(var LIBRARY NM READELF PLATFORM_LIST)
  if(NOT ${var})
    message(FATAL_ERROR "shipping check: ${var} is not set")
  endif()
endforeach()
get_filename_component(library_name ${LIBRARY} NAME)
set(problems "")

# The C and C++ runtime, by soname; the sanitizers' runtimes in sanitizer builds.
set(runtime_libraries "^(libc|libm|libdl|libpthread|librt|libstdc\\+\\+|libgcc_s)\\.so\\.[0-9]+$|^ld-linux")
set(sanitizer_libraries "^(libasan|libubsan|liblsan)\\.so\\.[0-9]+$")
# Runtime symbols carry the runtime's symbol versions.
set(runtime_versions "^(GLIBC|GLIBCXX|CXXABI|GCC)_")
# The start files' optional hooks, referenced weakly and unversioned.
set(runtime_hooks __gmon_start__ __cxa_finalize _ITM_registerTMCloneTable _ITM_deregisterTMCloneTable)
# With clang the sanitizer runtime lives in the executable, so a sanitizer
# build leaves its entry points undefined without naming a library.
set(sanitizer_symbols "^__(asan|ubsan|lsan|sanitizer|sancov)_")
# Type information and virtual tables of the platform's classes belong to the
# platform too (the undefined behaviour checks read them).
set(class_data "^(typeinfo|typeinfo name|vtable) for (.+)$")

function(run_tool out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text ERROR_VARIABLE err RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "shipping check: ${ARGN} failed: ${err}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The platform libraries the build links, by soname (or file name).
set(platform_sonames "")
string(REPLACE "|" ";" PLATFORM_LIBRARIES "${PLATFORM_LIBRARIES}")
foreach(platform_library IN LISTS PLATFORM_LIBRARIES)
  run_tool(dynamic ${READELF} -d ${platform_library})
  if(dynamic MATCHES "\\(SONAME\\)[^\n]*\\[([^]\n]+)\\]")
    list(APPEND platform_sonames ${CMAKE_MATCH_1})
  else()
    get_filename_component(file_name ${platform_library} NAME)
    list(APPEND platform_sonames ${file_name})
  endif()
endforeach()

# The symbols a sanitizer runtime in NEEDED defines: with gcc it interposes
# the C library's allocator and string functions, unversioned.
set(sanitizer_runtime_symbols "")
function(add_sanitizer_runtime soname)
  if(NOT COMPILER)
    message(FATAL_ERROR "shipping check: COMPILER is needed to find ${soname}")
  endif()
  run_tool(path ${COMPILER} -print-file-name=${soname})
  string(STRIP "${path}" path)
  run_tool(text ${NM} -D -C --defined-only ${path})
  string(REGEX REPLACE "\\[abi:[A-Za-z0-9_]+\\]" "" text "${text}")
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(defined ${sanitizer_runtime_symbols})
  foreach(line IN LISTS lines)
    if(line MATCHES "^[0-9a-fA-F]+ [A-Za-z] ([^@]+)")
      list(APPEND defined ${CMAKE_MATCH_1})
    endif()
  endforeach()
  set(sanitizer_runtime_symbols ${defined} PARENT_SCOPE)
endfunction()

# NEEDED and run paths.
run_tool(dynamic ${READELF} -d ${LIBRARY})
string(REGEX MATCHALL "\\((NEEDED|RPATH|RUNPATH)\\)[^\n]*\\[[^]\n]*\\]" entries "${dynamic}")
foreach(entry IN LISTS entries)
  string(REGEX MATCH "\\(([A-Z]+)\\)[^\n]*\\[([^]\n]*)\\]" parts "${entry}")
  set(tag ${CMAKE_MATCH_1})
  set(value "${CMAKE_MATCH_2}")
  if(NOT tag STREQUAL "NEEDED")
    list(APPEND problems "${tag} ${value}: the loading process decides where libraries come from")
  elseif(SANITIZED AND value MATCHES "${sanitizer_libraries}")
    add_sanitizer_runtime(${value})
  elseif(NOT value MATCHES "${runtime_libraries}" AND NOT value IN_LIST platform_sonames)
    list(APPEND problems "NEEDED ${value}: neither the C/C++ runtime nor a named platform library")
  endif()
endforeach()

# Undefined symbols.
file(STRINGS ${PLATFORM_LIST} platform_functions REGEX "^[^#]")
set(platform_classes "")
foreach(function IN LISTS platform_functions)
  if(function MATCHES "^(.+)::[^:]+$")
    list(APPEND platform_classes ${CMAKE_MATCH_1})
  endif()
endforeach()
run_tool(symbols ${NM} -D -C --undefined-only ${LIBRARY})
# The C++ ABI tag is no part of a name, and brackets would split CMake lists.
string(REGEX REPLACE "\\[abi:[A-Za-z0-9_]+\\]" "" symbols "${symbols}")
string(REPLACE ";" "," symbols "${symbols}")
string(REPLACE "\n" ";" lines "${symbols}")
set(undefined_count 0)
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^ *([A-Za-z]) (.+)$")
    continue()
  endif()
  math(EXPR undefined_count "${undefined_count} + 1")
  set(symbol "${CMAKE_MATCH_2}")
  if(symbol MATCHES "^([^@]+)@+([^@]+)$")
    set(symbol "${CMAKE_MATCH_1}")
    if(CMAKE_MATCH_2 MATCHES "${runtime_versions}")
      continue()
    endif()
  endif()
  if(symbol IN_LIST runtime_hooks OR (SANITIZED AND symbol MATCHES "${sanitizer_symbols}")
     OR symbol IN_LIST sanitizer_runtime_symbols)
    continue()
  endif()
  if(symbol MATCHES "${class_data}")
    if(NOT CMAKE_MATCH_2 IN_LIST platform_classes)
      list(APPEND problems "undefined ${symbol}: not a class of ${PLATFORM_LIST}")
    endif()
    continue()
  endif()
  # A function's name without its parameters: "TCServiceData::GetField".
  string(REGEX REPLACE "\\(.*$" "" name "${symbol}")
  if(NOT name IN_LIST platform_functions)
    list(APPEND problems "undefined ${symbol}: not a platform function of ${PLATFORM_LIST}")
  endif()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "${library_name} cannot ship:\n  ${text}")
endif()
message(STATUS "${library_name}: runtime NEEDED only, no run path, "
               "${undefined_count} undefined symbols all runtime or platform")
