# Install rules and the Debian package (cpack -G DEB): the two programs, the desktop entry and
# its icon; the Qt runtime and the fonts the windows and printouts use are dependencies.
include(GNUInstallDirs)

target_compile_definitions(montira PRIVATE MONTIRA_VERSION="${PROJECT_VERSION}")
install(TARGETS montira montira-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/montira.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/montira.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

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
