# The shipping check of a provider library (check_provider.cmake), run after
# every link of it, so that a build that could not ship fails.
set(PICTURE_PLATFORM_LIST ${PROJECT_SOURCE_DIR}/platform/include/platform_functions.txt)

# The arguments of check_provider.cmake for a library file linked with the
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
      -P ${PROJECT_SOURCE_DIR}/cmake/check_provider.cmake PARENT_SCOPE)
endfunction()

function(picture_check_provider target)
  picture_check_arguments(arguments $<TARGET_FILE:${target}> ${PICTURE_PLATFORM_LIBRARY_FILES})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} ${arguments}
    COMMENT "Checking that ${target} binds its platform from the loading process"
    VERBATIM)
endfunction()
