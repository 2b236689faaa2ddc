# Installation layout and the Debian package.
#
# The program lives in a folder of its own, because its settings file
# Velkara.ini is read from the folder that holds the program file:
#
#   <prefix>/opt/velkara/velkara                      the program (Velkara.ini goes here)
#   <prefix>/usr/bin/velkara -> ../../opt/velkara/velkara
#   <prefix>/usr/share/applications/velkara.desktop
#   <prefix>/usr/share/icons/hicolor/{16x16,32x32}/apps/velkara.png
#   <prefix>/usr/share/icons/hicolor/scalable/apps/velkara.svg
#
# The command on the PATH is a symbolic link: the program resolves its own real
# file, so started through the link it still reads /opt/velkara/Velkara.ini.
# The link is relative, so the layout stays intact under DESTDIR or any prefix.

# Left at CMake's default (/usr/local) the layout above would nest as
# /usr/local/opt/...; the layout is rooted at / unless a prefix is given.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX "/" CACHE PATH "Install prefix" FORCE)
endif()

set(VELKARA_PROGRAM_DIR "opt/velkara" CACHE STRING
    "Folder of the program and its Velkara.ini, relative to the install prefix")
set(VELKARA_SYSTEM_DIR "usr" CACHE STRING
    "Folder holding bin/ and share/, relative to the install prefix")

install(TARGETS velkara RUNTIME DESTINATION ${VELKARA_PROGRAM_DIR})

# Build the link once in the build tree; install(FILES) copies a link as a link.
file(RELATIVE_PATH velkara_link_target "/${VELKARA_SYSTEM_DIR}/bin"
     "/${VELKARA_PROGRAM_DIR}/velkara")
set(velkara_link "${CMAKE_CURRENT_BINARY_DIR}/install-link/velkara")
file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/install-link")
file(REMOVE "${velkara_link}")
file(CREATE_LINK "${velkara_link_target}" "${velkara_link}" SYMBOLIC)
install(FILES "${velkara_link}" DESTINATION ${VELKARA_SYSTEM_DIR}/bin)

set(velkara_res "${CMAKE_CURRENT_SOURCE_DIR}/resources")
install(FILES "${velkara_res}/velkara.desktop" DESTINATION ${VELKARA_SYSTEM_DIR}/share/applications)
set(velkara_icon_dir ${VELKARA_SYSTEM_DIR}/share/icons/hicolor)
install(FILES "${velkara_res}/velkara-16.png" DESTINATION ${velkara_icon_dir}/16x16/apps
        RENAME velkara.png)
install(FILES "${velkara_res}/velkara-32.png" DESTINATION ${velkara_icon_dir}/32x32/apps
        RENAME velkara.png)
install(FILES "${velkara_res}/velkara.svg" DESTINATION ${velkara_icon_dir}/scalable/apps)

# Debian package: cpack -G DEB in the build folder.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "velkara")
set(CPACK_PACKAGE_VENDOR "Velkara project")
set(CPACK_PACKAGE_CONTACT "Velkara maintainers <velkara@example.org>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Sensor spacing calculator for clamp-on ultrasonic flow meters")
set(CPACK_PACKAGE_DESCRIPTION
    "Velkara computes the axial spacing at which the two sensors of a clamp-on\n\
transit-time ultrasonic flow meter have to be mounted on a pipe, from the\n\
pipe, lining and fluid properties, the mounting method and the sensor type.\n\
Texts in Japanese or English and metric or inch units are chosen by an\n\
optional /opt/velkara/Velkara.ini.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/velkara")
# Qt and the C++ runtime come from dpkg-shlibdeps; the platform plugin is
# loaded at run time and the Japanese captions need a CJK font, so both are
# named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk | fonts-ipafont-gothic")
include(CPack)

if(VELKARA_BUILD_TESTS)
    enable_testing()
    add_test(NAME install_layout
             COMMAND ${CMAKE_COMMAND}
                     -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/install-layout-test
                     -DPROGRAM_DIR=${VELKARA_PROGRAM_DIR}
                     -DSYSTEM_DIR=${VELKARA_SYSTEM_DIR}
                     -P ${CMAKE_CURRENT_LIST_DIR}/InstallLayoutTest.cmake)
    find_program(VELKARA_DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(VELKARA_DESKTOP_FILE_VALIDATE)
        add_test(NAME desktop_entry_valid
                 COMMAND ${VELKARA_DESKTOP_FILE_VALIDATE}
                         ${CMAKE_CURRENT_SOURCE_DIR}/resources/velkara.desktop)
    endif()
endif()
