# The Windows installer (`cpack` in the build folder): a 64-bit NSIS installer with texts in Greek,
# from our own template (cmake/windows/NSIS.template.in).

if(TARGET velmora)
    # Qt's deployment tool does not run in a build for Windows made elsewhere, so what the programs
    # load is named here: Qt's libraries, the platform plugins (the screen, and the minimal one
    # that velmora-cli draws its PDF with), the Windows style, and the MinGW runtime that Qt and the
    # programs share. Their pictures are PNG, which Qt reads without a plugin.
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
                  $<TARGET_FILE:Qt6::PrintSupport>
        DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
                  $<TARGET_FILE:Qt6::QMinimalIntegrationPlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
        DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
    if(MINGW)
        foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
            execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
                message(FATAL_ERROR "The MinGW runtime ${runtime} is not where the compiler says")
            endif()
            install(FILES ${found} DESTINATION ${CMAKE_INSTALL_BINDIR})
        endforeach()
    endif()
endif()

set(CPACK_GENERATOR NSIS)
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/windows)
# Not "Velmora": the program takes an existing "c:\program files\velmora" for the data folder of
# an earlier installation, and its own program folder must never look like one.
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velmora Program")
set(CPACK_PACKAGE_FILE_NAME velmora-${PROJECT_VERSION}-setup)
set(CPACK_PACKAGE_EXECUTABLES velmora Velmora)

set(CPACK_NSIS_DISPLAY_NAME Velmora)
set(CPACK_NSIS_PACKAGE_NAME Velmora)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME "${CMAKE_INSTALL_BINDIR}\\\\velmora.exe")
