# The shipping check of a provider library (shipping_check_script.cmake), run after
# every link of it, so that a build that could not ship fails.

# The list of platform functions the check takes, one name a line, expanded
# from the rows of the platform headers by the compiler's preprocessor (the
# target's own: a cross build runs nothing it built).
set(PICTURE_PLATFORM_LIST ${PROJECT_BINARY_DIR}/platform_functions.txt)
function(picture_write_platform_list)
  set(include_dir ${PROJECT_SOURCE_DIR}/platform/include)
  set(source ${PROJECT_SOURCE_DIR}/platform/platform_list.inc)
  set(sysroot "")
  if(CMAKE_SYSROOT)
    set(sysroot --sysroot=${CMAKE_SYSROOT})
  endif()
  execute_process(
    COMMAND ${CMAKE_CXX_COMPILER} ${sysroot} -E -P -x c++ -std=gnu++17 -I${include_dir} ${source}
    OUTPUT_VARIABLE expanded ERROR_VARIABLE error RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Cannot expand the list of platform functions: ${error}")
  endif()
  string(REGEX MATCHALL "@platform-function [^ \n@]+" names "${expanded}")
  list(TRANSFORM names REPLACE "^@platform-function " "")
  list(REMOVE_DUPLICATES names)
  list(JOIN names "\n" text)
  file(CONFIGURE OUTPUT ${PICTURE_PLATFORM_LIST} CONTENT "${text}\n" @ONLY)
  file(GLOB headers ${include_dir}/*.h)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${headers} ${source})
endfunction()
picture_write_platform_list()

# The arguments of shipping_check_script.cmake for a library file linked with the
# platform libraries that follow; they are passed '|'-separated, as a list
# would split the command.
function(picture_check_arguments out library)
  set(sanitized OFF)
  if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
    set(sanitized ON)
  endif()
  list(JOIN ARGN "|" platform_libraries)
  set(${out} -DLIBRARY=${library} -DNM=${CMAKE_NM} -DREADELF=${CMAKE_READELF}
      -DCOMPILER=${CMAKE_CXX_COMPILER}
      -DPLATFORM_LIST=${PICTURE_PLATFORM_LIST} -DSANITIZED=${sanitized}
      -DPLATFORM_LIBRARIES=${platform_libraries}
      -P ${PROJECT_SOURCE_DIR}/cmake/shipping_check_script.cmake PARENT_SCOPE)
endfunction()

function(picture_check_provider target)
  picture_check_arguments(arguments $<TARGET_FILE:${target}> ${PICTURE_PLATFORM_LIBRARY_FILES})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} ${arguments}
    COMMENT "Checking that ${target} binds its platform from the loading process"
    VERBATIM)
endfunction()
