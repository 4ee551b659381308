# The icon and version block of a Windows program, from resources/velmora.rc.in.
enable_language(RC)

function(velmora_windows_resources target description)
    set(VELMORA_RC_NAME ${target})
    set(VELMORA_RC_DESCRIPTION "${description}")
    set(VELMORA_RC_ICON ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/resources/velmora.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
