# A room of the code: a static library of the sources of one folder, which may include only the
# rooms named in ALLOWED (include prefixes such as "store/base/") and, with NO_QT, nothing of Qt.
# The build checks it whenever a file of the room changes.
function(velmora_room target)
    cmake_parse_arguments(ROOM "NO_QT" "" "SOURCES;ALLOWED" ${ARGN})
    add_library(${target} STATIC ${ROOM_SOURCES})
    target_link_libraries(${target} PRIVATE velmora_warnings)
    file(GLOB_RECURSE checked CONFIGURE_DEPENDS
         "${CMAKE_CURRENT_SOURCE_DIR}/*.h" "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    set(stamp "${CMAKE_CURRENT_BINARY_DIR}/${target}.includes-checked")
    add_custom_command(OUTPUT "${stamp}"
        COMMAND ${CMAKE_COMMAND} "-DFOLDER=${CMAKE_CURRENT_SOURCE_DIR}" "-DALLOWED=${ROOM_ALLOWED}"
                "-DNO_QT=${ROOM_NO_QT}" "-DSTAMP=${stamp}"
                -P "${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake"
        DEPENDS ${checked} "${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake"
        COMMENT "Checking what ${target} includes" VERBATIM)
    add_custom_target(${target}_includes DEPENDS "${stamp}")
    add_dependencies(${target} ${target}_includes)
endfunction()
