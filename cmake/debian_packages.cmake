# Debian packages of the install components, below /usr: `cpack` in the
# build folder writes them into packages/ there. The release and armhf
# presets configure Debian's library directory. dpkg-shlibdeps computes what each needs at run time; for
# a cross build it needs the target's C++ runtime (libstdc++6:armhf).

# component | package | section | Depends | Recommends | summary
set(picture_packages
  "provider|picture-provider|libs|||picture settings provider, loaded by the TV's settings host"
  "recorder|picture-recorder|libs|picture-provider (= @V@)||flight recorder of the picture provider's platform calls"
  "dev|picture-provider-dev|devel|picture-provider (= @V@)||host interface of the picture settings provider: headers, CMake and pkg-config files"
  "tools|picture-menu|utils|picture-provider (= @V@)|picture-recorder (= @V@)|desktop settings host of the picture provider, with a simulated TV")

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Picture provider developers <picture-provider@localhost>")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)

# The target's Debian architecture, also in a cross build: from the
# compiler's GNU system type.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine
  OUTPUT_VARIABLE target_type OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND dpkg-architecture -t ${target_type} -qDEB_HOST_ARCH
  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)

# picture-menu and its stand-in exist only in the desktop's builds.
set(CPACK_COMPONENTS_ALL "")
foreach(row IN LISTS picture_packages)
  string(REPLACE "@V@" ${PROJECT_VERSION} row "${row}")
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 component)
  if(component STREQUAL "tools" AND NOT PICTURE_PLATFORM STREQUAL "sim")
    continue()
  endif()
  list(APPEND CPACK_COMPONENTS_ALL ${component})
  string(TOUPPER ${component} c)
  list(GET fields 1 CPACK_DEBIAN_${c}_PACKAGE_NAME)
  list(GET fields 2 CPACK_DEBIAN_${c}_PACKAGE_SECTION)
  list(GET fields 3 CPACK_DEBIAN_${c}_PACKAGE_DEPENDS)
  list(GET fields 4 CPACK_DEBIAN_${c}_PACKAGE_RECOMMENDS)
  list(GET fields 5 CPACK_COMPONENT_${c}_DESCRIPTION)
endforeach()

include(CPack)
