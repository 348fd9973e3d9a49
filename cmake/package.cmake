# The provider and dev components: the provider library alone in the host's
# provider directory; the host interface and a package config for hosts.
include(CMakePackageConfigHelpers)

install(TARGETS picture-provider LIBRARY DESTINATION ${PICTURE_PROVIDER_DIR} COMPONENT provider)

install(FILES ${PROJECT_SOURCE_DIR}/picture/include/picture_provider.h
              ${PROJECT_SOURCE_DIR}/picture/include/picture_keys.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT dev)
set(PICTURE_CONFIG_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/picture-provider)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/picture-provider-config.cmake.in
  ${PROJECT_BINARY_DIR}/picture-provider-config.cmake
  INSTALL_DESTINATION ${PICTURE_CONFIG_DIR}
  PATH_VARS CMAKE_INSTALL_INCLUDEDIR PICTURE_PROVIDER_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/picture-provider-config-version.cmake
  COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES ${PROJECT_BINARY_DIR}/picture-provider-config.cmake
              ${PROJECT_BINARY_DIR}/picture-provider-config-version.cmake
  DESTINATION ${PICTURE_CONFIG_DIR} COMPONENT dev)
