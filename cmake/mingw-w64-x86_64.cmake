# Cross-builds the Windows programs on Debian with MinGW-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# and, with VELMORA_QT_WINDOWS naming the Qt for Windows built by scripts/build-qt-windows, the
# desktop program too (the presets windows-cross and windows-desktop).
# The posix thread model is the one whose std::thread and std::mutex GoogleTest builds with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELMORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Qt for Windows that scripts/build-qt-windows makes lies outside the MinGW root, and takes its
# tools (moc, rcc, lrelease) from the host's Qt of the same version.
if(VELMORA_QT_WINDOWS)
    set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
    list(PREPEND CMAKE_PREFIX_PATH ${VELMORA_QT_WINDOWS})
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
    set(VELMORA_MINGW_SHARED_RUNTIME ON)
endif()

# GCC 12 warns wrongly of overlapping copies in string concatenations (fixed in GCC 13).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# One .exe that runs on its own: no MinGW runtime DLLs to ship beside it. Not with Qt, whose DLLs
# link the C++ runtime as a DLL: a program and Qt must share one copy of it.
if(NOT VELMORA_MINGW_SHARED_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
endif()

# Test programs run under Wine when it is there; the build itself never needs it.
find_program(VELMORA_WINE wine)
if(VELMORA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE})
endif()
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
