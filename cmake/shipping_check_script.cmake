# Checks that a provider library can ship: it binds its platform from the
# process that loads it. Fails when
#  - it names a library other than the C and C++ runtime (and the platform
#    libraries the build was asked to link) in NEEDED,
#  - it carries an RPATH or RUNPATH,
#  - it leaves a symbol undefined that is neither the runtime's nor a
#    line of the record of platform functions (by its full signature),
#  - with EVERY, a line of the record is not among its undefined symbols.
#
#   cmake -DLIBRARY=... -DNM=... -DREADELF=... -DPLATFORM_LIST=platform_functions.txt
#         [-DEVERY=ON] [-DSANITIZED=ON] [-DPLATFORM_LIBRARIES=a.so|b.so]
#         -P shipping_check_script.cmake

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

# Undefined symbols, by their full names: a platform function whose
# parameters changed is another symbol, which the TV's libraries do not define.
file(STRINGS ${PLATFORM_LIST} record REGEX "^[^#]")
get_filename_component(record_name ${PLATFORM_LIST} NAME)
set(record_names "")
set(platform_classes "")
foreach(line IN LISTS record)
  string(REGEX REPLACE "(\\[abi:|\\().*$" "" name "${line}")
  list(APPEND record_names "${name}")
  if(name MATCHES "^(.+)::[^:]+$")
    list(APPEND platform_classes ${CMAKE_MATCH_1})
  endif()
endforeach()
run_tool(symbols ${NM} -D -C --undefined-only ${LIBRARY})
string(REPLACE ";" "," symbols "${symbols}")
string(REPLACE "\n" ";" lines "${symbols}")
set(undefined_count 0)
set(used "")
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
      list(APPEND problems "undefined ${symbol}: not a class of ${record_name}")
    endif()
    continue()
  endif()
  if(symbol IN_LIST record)
    list(APPEND used "${symbol}")
    continue()
  endif()
  # "TCServiceData::GetField" of "TCServiceData::GetField(int) const".
  string(REGEX REPLACE "(\\[abi:|\\().*$" "" name "${symbol}")
  if(name IN_LIST record_names)
    set(exported "")
    foreach(entry IN LISTS record)
      if(entry MATCHES "^${name}[[(]" OR entry STREQUAL name)
        list(APPEND exported "${entry}")
      endif()
    endforeach()
    list(JOIN exported " or " exported)
    list(APPEND problems "undefined ${symbol}: a changed signature, the platform exports ${exported}")
  else()
    list(APPEND problems "undefined ${symbol}: not a platform function of ${record_name}")
  endif()
endforeach()
# The record is exactly what the provider uses.
if(EVERY)
  foreach(line IN LISTS record)
    if(NOT line IN_LIST used)
      list(APPEND problems "${record_name} has ${line}, which ${library_name} does not use")
    endif()
  endforeach()
endif()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "${library_name} cannot ship:\n  ${text}")
endif()
message(STATUS "${library_name}: runtime NEEDED only, no run path, "
               "${undefined_count} undefined symbols all runtime or platform")
