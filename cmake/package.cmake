# The provider and dev components: the provider library alone in the host's
# provider directory; the host interface, a CMake package config and a
# pkg-config file for hosts.
include(CMakePackageConfigHelpers)

install(TARGETS picture-provider LIBRARY DESTINATION ${PICTURE_PROVIDER_DIR} COMPONENT provider)

install(FILES ${PROJECT_SOURCE_DIR}/picture/include/picture_provider.h
              ${PROJECT_SOURCE_DIR}/picture/include/picture_keys.h
  DESTINATION ${PICTURE_INCLUDE_DIR} COMPONENT dev)
set(PICTURE_CONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/picture-provider)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/picture-provider-config.cmake.in
  ${PROJECT_BINARY_DIR}/picture-provider-config.cmake
  INSTALL_DESTINATION ${PICTURE_CONFIG_DIR}
  PATH_VARS PICTURE_INCLUDE_DIR PICTURE_PROVIDER_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/picture-provider-config-version.cmake
  COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES ${PROJECT_BINARY_DIR}/picture-provider-config.cmake
              ${PROJECT_BINARY_DIR}/picture-provider-config-version.cmake
  DESTINATION ${PICTURE_CONFIG_DIR} COMPONENT dev)

# The pkg-config file finds the prefix from its own place, as the package
# config does, so that it works below a DESTDIR too.
set(PICTURE_PKGCONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH PC_PREFIX_FROM_PCDIR /prefix/${PICTURE_PKGCONFIG_DIR} /prefix)
string(REGEX REPLACE "/$" "" PC_PREFIX_FROM_PCDIR ${PC_PREFIX_FROM_PCDIR})
function(picture_pc_path out path)
  if(IS_ABSOLUTE ${path})
    set(${out} ${path} PARENT_SCOPE)
  else()
    set(${out} "\${prefix}/${path}" PARENT_SCOPE)
  endif()
endfunction()
picture_pc_path(PC_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR})
picture_pc_path(PC_PROVIDER ${PICTURE_PROVIDER_DIR}/libpicture-provider.so)
configure_file(${PROJECT_SOURCE_DIR}/cmake/picture-provider.pc.in
  ${PROJECT_BINARY_DIR}/picture-provider.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/picture-provider.pc DESTINATION ${PICTURE_PKGCONFIG_DIR}
  COMPONENT dev)
