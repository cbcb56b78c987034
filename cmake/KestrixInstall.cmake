# Installs the library, its public headers, the host interface headers and a CMake package,
# so that a host application can find_package(KestrixDialogs) and link Kestrix::Dialogs.
include(CMakePackageConfigHelpers)

install(TARGETS kxsdkdialogs kxhost EXPORT KestrixDialogsTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY host/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kestrix/host FILES_MATCHING PATTERN "*.h")
foreach(dir dialogs propertybindings propertymanager)
    install(DIRECTORY ${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kestrix/${dir}
        FILES_MATCHING PATTERN "*.h" PATTERN "intern" EXCLUDE)
endforeach()
install(EXPORT KestrixDialogsTargets NAMESPACE Kestrix:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KestrixDialogs)
configure_package_config_file(cmake/KestrixDialogsConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/KestrixDialogsConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KestrixDialogs)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/KestrixDialogsConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/KestrixDialogsConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/KestrixDialogsConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KestrixDialogs)
