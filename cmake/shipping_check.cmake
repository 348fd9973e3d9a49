# The shipping check of a provider library (shipping_check_script.cmake), run after
# every link of it, so that a build that could not ship fails.

# The record of the platform functions the provider uses, by their exported
# signatures: written by hand, never from the headers it checks.
set(PICTURE_PLATFORM_LIST ${PROJECT_SOURCE_DIR}/platform/platform_functions.txt)

# The arguments of shipping_check_script.cmake for a library file linked with the
# platform libraries that follow; they are passed '|'-separated, as a list
# would split the command. EVERY: each line of the record must be used.
function(picture_check_arguments out library)
  cmake_parse_arguments(PARSE_ARGV 2 arg "EVERY" "" "")
  set(sanitized OFF)
  if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
    set(sanitized ON)
  endif()
  list(JOIN arg_UNPARSED_ARGUMENTS "|" platform_libraries)
  set(${out} -DLIBRARY=${library} -DNM=${CMAKE_NM} -DREADELF=${CMAKE_READELF}
      -DCOMPILER=${CMAKE_CXX_COMPILER}
      -DPLATFORM_LIST=${PICTURE_PLATFORM_LIST} -DSANITIZED=${sanitized} -DEVERY=${arg_EVERY}
      -DPLATFORM_LIBRARIES=${platform_libraries}
      -P ${PROJECT_SOURCE_DIR}/cmake/shipping_check_script.cmake PARENT_SCOPE)
endfunction()

# The provider uses every line of the record; other libraries checked (the
# recorder) use some.
function(picture_check_provider target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "EVERY" "" "")
  set(every "")
  if(arg_EVERY)
    set(every EVERY)
  endif()
  picture_check_arguments(arguments $<TARGET_FILE:${target}> ${every}
    ${PICTURE_PLATFORM_LIBRARY_FILES})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} ${arguments}
    COMMENT "Checking that ${target} binds its platform from the loading process"
    VERBATIM)
  # A changed record checks the library again.
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${PICTURE_PLATFORM_LIST})
endfunction()
