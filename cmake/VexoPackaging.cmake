# `make package`: Debian packages split by use, one per install component
# (see VexoInstall.cmake). Dependencies on system libraries come from
# dpkg-shlibdeps; those between our own packages from the components'.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexo-smart)
set(CPACK_PACKAGE_VENDOR "Vexo")
set(CPACK_PACKAGE_CONTACT "Vexo maintainers <maintainers@vexo.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# Our own libraries, for dpkg-shlibdeps to find while the packages are made.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${PROJECT_BINARY_DIR}/sdk/vexonet ${PROJECT_BINARY_DIR}/sdk/vexoplay
    ${PROJECT_BINARY_DIR}/embed)
set(CPACK_COMPONENTS_ALL control libs cmd devsim dev)

foreach(component IN LISTS CPACK_COMPONENTS_ALL)
    string(TOUPPER ${component} upper)
    set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${VEXO_PACKAGE_${component}})
endforeach()

set(CPACK_COMPONENT_LIBS_DESCRIPTION
    "stand-in device libraries of the smart-function control
The device network library (libvexonet), the play library (libvexoplay)
and the library that embeds the control in a Qt program (libvexoembed).")
set(CPACK_DEBIAN_LIBS_PACKAGE_SECTION libs)
# The libraries' shlibs and the ldconfig trigger written out, not CPack's:
# its generated scripts call ldconfig themselves, and it would also list the
# control's module, which no program links.
configure_file(${PROJECT_SOURCE_DIR}/packaging/libs/shlibs.in
    ${PROJECT_BINARY_DIR}/packaging/libs/shlibs @ONLY)
set(CPACK_DEBIAN_LIBS_PACKAGE_CONTROL_EXTRA
    ${PROJECT_BINARY_DIR}/packaging/libs/shlibs ${PROJECT_SOURCE_DIR}/packaging/libs/triggers)

set(CPACK_COMPONENT_CONTROL_DESCRIPTION
    "configuration control for the analytics of network cameras
The smart-function control module, registered for every user on
installation, with vexo-host (the host program that embeds it and runs
host scripts), vexo-liveview and vexo-regsvr, and the user guide.")
set(CPACK_COMPONENT_CONTROL_DEPENDS libs)
set(CPACK_DEBIAN_CONTROL_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/packaging/control/postinst
    ${PROJECT_SOURCE_DIR}/packaging/control/prerm
    ${PROJECT_SOURCE_DIR}/packaging/control/postrm)
set(CPACK_DEBIAN_CONTROL_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_COMPONENT_CMD_DESCRIPTION
    "command-line client for the analytics of network cameras
vexo-cmd sends analytics commands to one device, and reads, compares,
checks and writes the whole analytics configuration of one or many
devices at once.")
set(CPACK_COMPONENT_CMD_DEPENDS libs)
set(CPACK_DEBIAN_CMD_PACKAGE_SECTION net)

set(CPACK_COMPONENT_DEVSIM_DESCRIPTION
    "network camera simulator for the smart-function control
vexo-devsim answers the device link protocol as a camera with analytics
does, streams synthetic live video and keeps its configuration in a state
folder. For tests, demonstrations and training.")
set(CPACK_DEBIAN_DEVSIM_PACKAGE_SECTION net)

set(CPACK_COMPONENT_DEV_DESCRIPTION
    "development files of the smart-function control
Headers of the device libraries and of the embedding library, and the
CMake package VexoSmart (find_package(VexoSmart)) with an example host.")
set(CPACK_COMPONENT_DEV_DEPENDS libs)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "qt6-base-dev")

include(CPack)
