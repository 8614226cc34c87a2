# Install rules and the Debian package (cpack -G DEB): the two programs, the desktop entry and
# its icon, the data files' MIME type, the manual pages and montira-cli's bash completion; the
# Qt runtime and the fonts the windows and printouts use are dependencies.
include(GNUInstallDirs)

target_compile_definitions(montira PRIVATE MONTIRA_VERSION="${PROJECT_VERSION}")
install(TARGETS montira montira-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/montira.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/montira.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# .plv files as application/x-montira-plv, which the desktop entry opens; the shared-mime-info
# and desktop-file-utils triggers update the system's databases on installation.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/mime/montira.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/bash-completion/montira-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The manual pages, compressed as Debian installs them (uncompressed without gzip).
find_program(GZIP_PROGRAM gzip)
set(MONTIRA_MAN_PAGES "")
foreach(page montira.1 montira-cli.1)
    set(source ${CMAKE_CURRENT_LIST_DIR}/man/${page})
    if(GZIP_PROGRAM)
        set(built ${PROJECT_BINARY_DIR}/man/${page}.gz)
        add_custom_command(OUTPUT ${built}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -E copy ${source} ${PROJECT_BINARY_DIR}/man/${page}
            COMMAND ${GZIP_PROGRAM} -9nf ${PROJECT_BINARY_DIR}/man/${page}
            DEPENDS ${source} VERBATIM)
        list(APPEND MONTIRA_MAN_PAGES ${built})
    else()
        list(APPEND MONTIRA_MAN_PAGES ${source})
    endif()
endforeach()
add_custom_target(man_pages ALL DEPENDS ${MONTIRA_MAN_PAGES})
install(FILES ${MONTIRA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME montira)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "montira maintainers <montira@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Companion program of the hand-held thermal-stress meter")
set(CPACK_PACKAGE_DESCRIPTION "Live readings over the serial port, the meter's logger and \
manual records, data files, listings, printouts and the work-load evaluation; montira-cli does \
the same from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://localhost/montira")
# The platform plugin and the fonts of the windows and printouts are not linked, so they are
# named here; the libraries come from dpkg-shlibdeps, or from this list when it is missing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-dejavu-core")
# The program's own English is built into it; Qt's translations put Qt's own dialogs (print
# preview, file dialogs) into the same language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), "
           "libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libqt6serialport6 (>= 6.4)")
endif()
set(CPACK_GENERATOR DEB)
include(CPack)
