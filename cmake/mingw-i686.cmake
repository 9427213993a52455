# Cross build for 32-bit Windows with mingw-w64. The -posix compilers are
# needed by GoogleTest (std::mutex); everything is linked statically, so the
# programs import only system DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_HOST i686-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_HOST}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_HOST})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test programs run under Wine in the test session's prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
