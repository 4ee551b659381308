# The Windows installer: `cpack -G NSIS` (the default) or `cpack -G WIX` in the build folder.

if(TARGET velmora)
    # Qt's deployment tool gathers the Qt libraries, plugins and compiler runtime beside the
    # program, where velmora-cli finds them too.
    find_program(VELMORA_WINDEPLOYQT windeployqt
        HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" REQUIRED)
    install(CODE "execute_process(COMMAND \"${VELMORA_WINDEPLOYQT}\" --no-translations
        --compiler-runtime \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/velmora.exe\"
        COMMAND_ERROR_IS_FATAL ANY)")
    # velmora-cli draws its PDF on the offscreen platform, which the deployment tool, going by
    # velmora.exe, leaves out.
    install(FILES "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/qoffscreen.dll"
        DESTINATION "${CMAKE_INSTALL_BINDIR}/platforms" OPTIONAL)
endif()

set(CPACK_GENERATOR NSIS)
# Not "Velmora": the program takes an existing "c:\program files\velmora" for the data folder of
# an earlier Windows installation of Velmora, and its own program folder must never look like one.
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velmora Program")
set(CPACK_PACKAGE_EXECUTABLES velmora Velmora)

set(CPACK_NSIS_DISPLAY_NAME Velmora)
set(CPACK_NSIS_PACKAGE_NAME Velmora)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\\\velmora.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# One upgrade code for every version, so that a newer installer replaces the older one.
set(CPACK_WIX_UPGRADE_GUID 6B0B7E0C-3B53-4D2E-9C1E-7F5A2D8E4A11)
set(CPACK_WIX_PRODUCT_ICON ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
