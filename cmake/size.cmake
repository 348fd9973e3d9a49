# Prints the stripped size of a library: cmake -DSTRIP=... -DLIBRARY=... -P size.cmake
get_filename_component(name ${LIBRARY} NAME)
set(stripped ${CMAKE_CURRENT_BINARY_DIR}/${name}.stripped)
execute_process(COMMAND ${STRIP} -o ${stripped} ${LIBRARY} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot strip ${LIBRARY}")
endif()
file(SIZE ${stripped} bytes)
message(STATUS "stripped size of ${name}: ${bytes} bytes")
