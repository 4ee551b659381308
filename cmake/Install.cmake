# Install rules and the packages: on Debian the two programs, the desktop entry, the icon, the
# AppStream metadata and the manual page of velmora-cli; on Windows an installer
# (cmake/WindowsPackage.cmake).
include(GNUInstallDirs)

set(VELMORA_APP_ID gr.velmora.Velmora)
set(VELMORA_INSTALL_SOURCES ${PROJECT_SOURCE_DIR}/resources/install)
set(VELMORA_INSTALL_GENERATED ${PROJECT_BINARY_DIR}/install)

install(TARGETS velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET velmora)
    install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET velmora AND NOT WIN32)
    install(FILES ${VELMORA_INSTALL_SOURCES}/velmora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${VELMORA_APP_ID}.desktop)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/surveyor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME velmora.svg)
    configure_file(${VELMORA_INSTALL_SOURCES}/velmora.metainfo.xml.in
        ${VELMORA_INSTALL_GENERATED}/${VELMORA_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${VELMORA_INSTALL_GENERATED}/${VELMORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Debian keeps manual pages compressed.
configure_file(${VELMORA_INSTALL_SOURCES}/velmora-cli.1.in
    ${VELMORA_INSTALL_GENERATED}/velmora-cli.1 @ONLY)
find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
    add_custom_command(OUTPUT ${VELMORA_INSTALL_GENERATED}/velmora-cli.1.gz
        COMMAND ${GZIP_PROGRAM} -9n -c velmora-cli.1 > velmora-cli.1.gz
        WORKING_DIRECTORY ${VELMORA_INSTALL_GENERATED}
        DEPENDS ${VELMORA_INSTALL_GENERATED}/velmora-cli.1)
    add_custom_target(velmora-man ALL DEPENDS ${VELMORA_INSTALL_GENERATED}/velmora-cli.1.gz)
    install(FILES ${VELMORA_INSTALL_GENERATED}/velmora-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    install(FILES ${VELMORA_INSTALL_GENERATED}/velmora-cli.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora developers <dev@velmora.gr>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fees of surveying works under Greek Presidential Decree 696")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora prices the surveying works of a study from the fixed unit-price tables of\n\
Presidential Decree 696, adds the statutory amounts and shows and prints the fee report\n\
in Greek. It comes with velmora-cli, which computes and prints the report of the current\n\
study from the command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velmora.gr/")
# The libraries come from the binaries themselves; the windowing plugins and the fonts the report
# is laid out in are loaded at run time, where no linker sees them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2 | fonts-liberation")
if(WIN32)
    include(cmake/WindowsPackage.cmake)
endif()
include(CPack)
