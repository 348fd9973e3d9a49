# Where things are installed, and the places derived from it. Components:
#   provider  the provider library alone, into the settings host's provider directory
#   tools     picture-menu, the stand-in in a library directory of picture-menu's own,
#             and picture-menu's catalogue in its own data directory
#   dev       the host interface headers in a folder of their own, a CMake
#             package config and a pkg-config file for hosts
include(GNUInstallDirs)

set(PICTURE_PROVIDER_DIR ${CMAKE_INSTALL_LIBDIR} CACHE PATH
  "Where the provider is installed: the settings host's provider directory (relative to the prefix, or absolute)")
option(PICTURE_INSTALL_HOST_CATALOGUE
  "tools: also install the catalogue into the settings host's locale directory, replacing the host's own" OFF)
set(PICTURE_HOST_LOCALE_DIR apps/settings-datafw/shared/locale CACHE PATH
  "The settings host's locale directory, written only with PICTURE_INSTALL_HOST_CATALOGUE")

# The headers' names are generic; a folder of their own keeps them apart.
set(PICTURE_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/picture-provider)

# picture-menu's own places, never shared with the host or the provider.
set(PICTURE_MENU_LIB_DIR ${CMAKE_INSTALL_LIBDIR}/picture-menu)
set(PICTURE_MENU_LOCALE_DIR ${CMAKE_INSTALL_DATADIR}/picture-menu/locale)

# picture-menu finds everything relative to its own directory, installed or in
# the build tree (where the catalogue is compiled into the same relative place).
function(picture_relative_to_bindir out dir)
  cmake_path(ABSOLUTE_PATH dir BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE)
  cmake_path(ABSOLUTE_PATH CMAKE_INSTALL_BINDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} NORMALIZE
    OUTPUT_VARIABLE bindir)
  file(RELATIVE_PATH relative ${bindir} ${dir})
  set(${out} ${relative} PARENT_SCOPE)
endfunction()
picture_relative_to_bindir(PICTURE_MENU_PROVIDER_FROM_BIN ${PICTURE_PROVIDER_DIR})
picture_relative_to_bindir(PICTURE_MENU_LIB_FROM_BIN ${PICTURE_MENU_LIB_DIR})
picture_relative_to_bindir(PICTURE_MENU_LOCALE_FROM_BIN ${PICTURE_MENU_LOCALE_DIR})
cmake_path(ABSOLUTE_PATH PICTURE_MENU_LOCALE_FROM_BIN BASE_DIRECTORY ${CMAKE_BINARY_DIR}/bin
  NORMALIZE OUTPUT_VARIABLE PICTURE_MENU_BUILD_LOCALE_DIR)
