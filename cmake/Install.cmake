# SPDX-License-Identifier: MIT
# Installation layout and the Debian package.
#
# The program reads its settings file Velkara.ini from the folder that holds
# the program file, so the program gets a private folder of its own, and the
# settings file there is a link into the system's configuration folder, where
# administrators look for it and where dpkg protects their edits:
#
#   <prefix>/lib/velkara/velkara                    the program (the window)
#   <prefix>/lib/velkara/velkara-spacing            the command-line tool
#   <prefix>/lib/velkara/sheet/velkara-sheet.so     its mounting-sheet writer, loaded when asked for
#   <prefix>/lib/velkara/Velkara.ini -> <sysconfdir>/velkara/Velkara.ini
#   <sysconfdir>/velkara/Velkara.ini                the defaults, with comments
#   <prefix>/bin/velkara -> ../lib/velkara/velkara
#   <prefix>/bin/velkara-spacing -> ../lib/velkara/velkara-spacing
#   <prefix>/share/applications/io.github.velkara.Velkara.desktop
#   <prefix>/share/metainfo/io.github.velkara.Velkara.metainfo.xml
#   <prefix>/share/icons/hicolor/{16x16,32x32,scalable}/apps/io.github.velkara.Velkara.*
#   <prefix>/share/man/man1/{velkara,velkara-spacing}.1.gz
#   <prefix>/share/doc/velkara/{copyright,changelog.gz}
#
# Both programs resolve their own real file, so started through a command link
# they still read the settings beside them in <prefix>/lib/velkara. A command
# link stays inside the prefix and is relative, so the tree can be moved (and
# staged with DESTDIR); the settings link leaves the prefix for sysconfdir and
# is absolute. With the prefix /usr, sysconfdir is /etc.
#
# The Debian package always installs under /usr, whatever prefix the build was
# configured with: cpack installs the tree under its own prefix. So the settings
# file and its link are placed when installing, for the prefix installed under.

include(GNUInstallDirs)

# Not CMAKE_INSTALL_LIBDIR: on Debian that carries the multiarch triplet, which
# is for shared libraries, not for a program's private folder.
set(VELKARA_PROGRAM_DIR "lib/velkara")
set(VELKARA_APP_ID "io.github.velkara.Velkara")
string(REGEX REPLACE "/$" "" velkara_prefix "${CMAKE_INSTALL_PREFIX}")
set(velkara_program_full "${velkara_prefix}/${VELKARA_PROGRAM_DIR}")
set(velkara_settings_full "${CMAKE_INSTALL_FULL_SYSCONFDIR}/velkara/Velkara.ini")
set(velkara_package_prefix "/usr")
function(velkara_package_settings_file out)
    set(CMAKE_INSTALL_PREFIX "${velkara_package_prefix}")
    GNUInstallDirs_get_absolute_install_dir(sysconfdir CMAKE_INSTALL_SYSCONFDIR SYSCONFDIR)
    set(${out} "${sysconfdir}/velkara/Velkara.ini" PARENT_SCOPE)
endfunction()
velkara_package_settings_file(velkara_package_settings)

set(velkara_programs velkara velkara-spacing)
install(TARGETS ${velkara_programs} RUNTIME DESTINATION ${VELKARA_PROGRAM_DIR})
# The tool loads it from a folder beside itself. Not in the program's folder
# itself: a shared object right under lib/ would make the package run
# ldconfig, which a private module does not need.
install(TARGETS velkara-sheet LIBRARY DESTINATION ${VELKARA_PROGRAM_DIR}/${VELKARA_SHEET_MODULE_DIR})

if(UNIX AND NOT APPLE)
    # Links are made once in the build tree; install(FILES) copies a link as a link.
    set(velkara_links "${CMAKE_CURRENT_BINARY_DIR}/install-links")
    file(REMOVE_RECURSE "${velkara_links}")
    file(MAKE_DIRECTORY "${velkara_links}")
    foreach(program ${velkara_programs})
        file(RELATIVE_PATH velkara_command_target "${CMAKE_INSTALL_FULL_BINDIR}"
             "${velkara_program_full}/${program}")
        file(CREATE_LINK "${velkara_command_target}" "${velkara_links}/${program}" SYMBOLIC)
        install(FILES "${velkara_links}/${program}" DESTINATION ${CMAKE_INSTALL_BINDIR})
    endforeach()
    file(CREATE_LINK "${velkara_settings_full}" "${velkara_links}/Velkara.ini" SYMBOLIC)
    file(MAKE_DIRECTORY "${velkara_links}/package")
    file(CREATE_LINK "${velkara_package_settings}" "${velkara_links}/package/Velkara.ini" SYMBOLIC)
    string(CONFIGURE [[
        set(velkara_link "@velkara_links@/Velkara.ini")
        set(velkara_settings "@velkara_settings_full@")
        if(CMAKE_INSTALL_PREFIX MATCHES "^@velkara_package_prefix@/?$")
            set(velkara_link "@velkara_links@/package/Velkara.ini")
            set(velkara_settings "@velkara_package_settings@")
        endif()
        get_filename_component(velkara_settings_dir "${velkara_settings}" DIRECTORY)
        file(INSTALL "${velkara_link}" DESTINATION "${CMAKE_INSTALL_PREFIX}/@VELKARA_PROGRAM_DIR@")
        file(INSTALL "@CMAKE_CURRENT_SOURCE_DIR@/packaging/Velkara.ini"
             DESTINATION "${velkara_settings_dir}")
    ]] velkara_install_settings @ONLY)
    install(CODE "${velkara_install_settings}")

    set(velkara_res "${CMAKE_CURRENT_SOURCE_DIR}/resources")
    set(velkara_share "${CMAKE_INSTALL_DATAROOTDIR}")
    install(FILES "${velkara_res}/${VELKARA_APP_ID}.desktop"
            DESTINATION ${velkara_share}/applications)
    install(FILES "${velkara_res}/${VELKARA_APP_ID}.metainfo.xml"
            DESTINATION ${velkara_share}/metainfo)
    set(velkara_icons ${velkara_share}/icons/hicolor)
    foreach(size 16 32)
        install(FILES "${velkara_res}/velkara-${size}.png"
                DESTINATION ${velkara_icons}/${size}x${size}/apps RENAME ${VELKARA_APP_ID}.png)
    endforeach()
    install(FILES "${velkara_res}/velkara.svg" DESTINATION ${velkara_icons}/scalable/apps
            RENAME ${VELKARA_APP_ID}.svg)

    # Compressed without name and time stamp, so the package builds
    # byte for byte the same from the same sources.
    find_program(VELKARA_GZIP gzip REQUIRED)
    set(velkara_gz "${CMAKE_CURRENT_BINARY_DIR}/install-gz")
    file(MAKE_DIRECTORY "${velkara_gz}")
    foreach(pair "packaging/velkara.1:velkara.1.gz"
                 "packaging/velkara-spacing.1:velkara-spacing.1.gz" "CHANGELOG:changelog.gz")
        string(REPLACE ":" ";" pair "${pair}")
        list(GET pair 0 source)
        list(GET pair 1 packed)
        add_custom_command(
            OUTPUT "${velkara_gz}/${packed}"
            COMMAND "${VELKARA_GZIP}" -9n -c "${CMAKE_CURRENT_SOURCE_DIR}/${source}"
                    > "${velkara_gz}/${packed}"
            DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${source}" VERBATIM)
        list(APPEND velkara_gz_files "${velkara_gz}/${packed}")
    endforeach()
    add_custom_target(velkara_compressed_docs ALL DEPENDS ${velkara_gz_files})
    install(FILES "${velkara_gz}/velkara.1.gz" "${velkara_gz}/velkara-spacing.1.gz"
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    # Debian names the folder after the package, not after the project.
    set(velkara_doc ${velkara_share}/doc/velkara)
    install(FILES "${velkara_gz}/changelog.gz" "${CMAKE_CURRENT_SOURCE_DIR}/packaging/copyright"
            DESTINATION ${velkara_doc})
endif()

# Debian package: cpack -G DEB, from a build configured with any prefix.
# scripts/check-package.sh builds it and runs Debian's checks on it.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "velkara")
set(CPACK_PACKAGE_VENDOR "The Velkara developers")
set(CPACK_PACKAGE_CONTACT "Velkara maintainers <velkara@example.org>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "sensor spacing calculator for clamp-on ultrasonic flow meters")
set(CPACK_PACKAGE_DESCRIPTION
    "Velkara computes the axial spacing at which the two sensors of a clamp-on\n\
transit-time ultrasonic flow meter have to be mounted on a pipe, from the\n\
pipe, lining and fluid properties, the mounting method and the sensor type.\n\
Texts in Japanese or English and metric or inch units are chosen in\n\
/etc/velkara/Velkara.ini. The command-line tool velkara-spacing computes\n\
the same for one point given as options or for a CSV list of points.")
set(CPACK_PACKAGING_INSTALL_PREFIX "${velkara_package_prefix}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/velkara")
# Qt and the C++ runtime come from dpkg-shlibdeps, which reads every program
# in the package; the window's platform plugin and Qt's own Japanese texts
# (its menus' standard entries, its buttons, its file dialog) are loaded at
# run time and its Japanese captions need a CJK font, so these are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk | fonts-ipafont-gothic")
# The mounting sheet's Japanese text reads back from the PDF (selecting,
# searching, copying) as written only in IPAGothic; in Noto Sans CJK some
# characters read back as the radicals that share their glyphs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
# The settings file is a conffile: dpkg keeps an administrator's edit on
# upgrade and removes the file only on purge.
set(velkara_control "${CMAKE_CURRENT_BINARY_DIR}/deb-control")
file(MAKE_DIRECTORY "${velkara_control}")
file(WRITE "${velkara_control}/conffiles" "${velkara_package_settings}\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${velkara_control}/conffiles")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

if(VELKARA_BUILD_TESTS)
    enable_testing()
    add_test(NAME install_layout
             COMMAND ${CMAKE_COMMAND}
                     -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DWORK_DIR=${CMAKE_CURRENT_BINARY_DIR}/install-layout-test
                     -DPREFIX=${velkara_prefix}
                     -DPROGRAM_DIR=${velkara_program_full}
                     -DBIN_DIR=${CMAKE_INSTALL_FULL_BINDIR}
                     -DSHARE_DIR=${CMAKE_INSTALL_FULL_DATAROOTDIR}
                     -DSETTINGS_FILE=${velkara_settings_full}
                     -DAPP_ID=${VELKARA_APP_ID}
                     -DSHEET_MODULE=${VELKARA_SHEET_MODULE_DIR}/$<TARGET_FILE_NAME:velkara-sheet>
                     -P ${CMAKE_CURRENT_LIST_DIR}/InstallLayoutTest.cmake)
    find_program(VELKARA_DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(VELKARA_DESKTOP_FILE_VALIDATE)
        add_test(NAME desktop_entry_valid
                 COMMAND ${VELKARA_DESKTOP_FILE_VALIDATE}
                         ${CMAKE_CURRENT_SOURCE_DIR}/resources/${VELKARA_APP_ID}.desktop)
    endif()
endif()
