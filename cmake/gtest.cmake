# GoogleTest and GoogleMock: Debian's packaged libraries for the host; for a
# cross build they are built from the sources Debian ships, since the
# packaged libraries are for the host only.
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
endif()
