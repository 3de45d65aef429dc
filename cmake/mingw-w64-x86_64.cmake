# Cross-compiling for 64-bit Windows with Debian's mingw-w64 compilers. The posix thread model:
# Qt and std::thread need it; the win32 one lacks std::mutex and friends in GCC 12.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TRESK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TRESK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRESK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TRESK_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TRESK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Qt for Windows lives outside the root, and its host tools come from the build machine's Qt.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
