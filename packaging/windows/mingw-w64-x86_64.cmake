# Cross compiling for 64-bit Windows with Debian's MinGW-w64: the -posix compilers, whose
# libstdc++ has std::thread and std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORLANE_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORLANE_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORLANE_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VORLANE_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${VORLANE_MINGW_TRIPLET}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${VORLANE_MINGW_TRIPLET}-ranlib CACHE FILEPATH "")

# Libraries and headers come from MinGW's sysroot and the dependency cache of
# scripts/windows/build-deps.sh only; programs (moc, rcc, uic, pkg-config) from this machine.
if(DEFINED ENV{VORLANE_WINDOWS_CACHE})
  set(VORLANE_WINDOWS_CACHE $ENV{VORLANE_WINDOWS_CACHE})
else()
  set(VORLANE_WINDOWS_CACHE $ENV{HOME}/.cache/vorlane/windows)
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${VORLANE_MINGW_TRIPLET} ${VORLANE_WINDOWS_CACHE}/gtest
                         ${VORLANE_WINDOWS_CACHE}/hunspell ${VORLANE_WINDOWS_CACHE}/sqlite
                         ${VORLANE_WINDOWS_CACHE}/qt)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Qt for Windows runs this machine's Qt tools (moc, rcc, uic), Debian's, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# The test programs run here under wine64, with MinGW's runtime DLLs found.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/windows/wine-run)
