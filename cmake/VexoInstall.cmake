# What `cmake --install` puts where, by package component:
#   control    the module, vexo-host, vexo-regsvr, vexo-liveview, the guide
#   libs       the stand-in device libraries and the embedding library
#   cmd        vexo-cmd
#   devsim     vexo-devsim and the device's files
#   dev        headers, link symlinks, the CMake package, the example host
# Paths follow GNUInstallDirs; nothing installed depends on the prefix, so
# the Debian packages come from the everyday build tree.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VEXO_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/vexo)
set(VEXO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/VexoSmart)

install(TARGETS VexoSmartOcx LIBRARY DESTINATION ${VEXO_MODULE_DIR} COMPONENT control NAMELINK_SKIP)
install(TARGETS vexo-host vexo-regsvr vexo-liveview RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT control)
install(TARGETS vexo-cmd RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cmd)
install(TARGETS vexo-devsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT devsim)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/simulator/data/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vexo-devsim COMPONENT devsim
        FILES_MATCHING PATTERN "*.xml" PATTERN "*.json")

install(TARGETS vexonet vexoplay vexoembed EXPORT VexoSmartTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT libs NAMELINK_COMPONENT dev)
# All three headers in include/vexo: <vexonet.h> and <vexoplay.h> as the
# device maker's headers are included, <vexo/embed.h> for the control.
install(FILES ${PROJECT_SOURCE_DIR}/sdk/vexonet/include/vexonet.h
              ${PROJECT_SOURCE_DIR}/sdk/vexoplay/include/vexoplay.h
              ${PROJECT_SOURCE_DIR}/embed/include/vexo/embed.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vexo COMPONENT dev)
install(EXPORT VexoSmartTargets NAMESPACE VexoSmart:: DESTINATION ${VEXO_CMAKE_DIR}
        COMPONENT dev)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VexoSmartConfig.cmake.in
    ${PROJECT_BINARY_DIR}/VexoSmartConfig.cmake INSTALL_DESTINATION ${VEXO_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VexoSmartConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VexoSmartConfig.cmake
              ${PROJECT_BINARY_DIR}/VexoSmartConfigVersion.cmake
        DESTINATION ${VEXO_CMAKE_DIR} COMPONENT dev)

# Each package's documentation folder: its copyright, changelog and, for the
# control, the user guide; the development package carries the example host.
set(VEXO_PACKAGE_control vexo-smart-control)
set(VEXO_PACKAGE_libs libvexo0)
set(VEXO_PACKAGE_cmd vexo-cmd)
set(VEXO_PACKAGE_devsim vexo-devsim)
set(VEXO_PACKAGE_dev vexo-smart-dev)
set(VEXO_COMPONENTS control libs cmd devsim dev)
set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog.Debian.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
add_custom_target(vexo_package_changelog ALL DEPENDS ${changelog})
foreach(component IN LISTS VEXO_COMPONENTS)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${changelog}
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${VEXO_PACKAGE_${component}}
            COMPONENT ${component})
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/guide/
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${VEXO_PACKAGE_control}/guide
        COMPONENT control)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${VEXO_PACKAGE_dev}/examples
        COMPONENT dev)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vexo-host.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications COMPONENT control)

# Manual pages, written from each program's --help by help2man. Not in a
# sanitizer build, which is never packaged: its programs would run under
# the leak checker at build time.
find_program(VEXO_HELP2MAN help2man)
if(VEXO_HELP2MAN AND NOT VEXO_SANITIZE)
    set(pages)
    foreach(entry vexo-host:control vexo-regsvr:control vexo-liveview:control vexo-cmd:cmd
                  vexo-devsim:devsim)
        string(REPLACE ":" ";" entry ${entry})
        list(GET entry 0 program)
        list(GET entry 1 component)
        set(page ${PROJECT_BINARY_DIR}/man/${program}.1.gz)
        add_custom_command(OUTPUT ${page}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                    ${PROJECT_SOURCE_DIR}/packaging/make-man-page.sh ${VEXO_HELP2MAN}
                    $<TARGET_FILE:${program}> ${PROJECT_VERSION} ${page}
            DEPENDS ${program} ${PROJECT_SOURCE_DIR}/packaging/make-man-page.sh VERBATIM)
        list(APPEND pages ${page})
        install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
    endforeach()
    add_custom_target(vexo_man_pages ALL DEPENDS ${pages})
else()
    message(STATUS "no manual pages (help2man missing, or a sanitizer build)")
endif()
