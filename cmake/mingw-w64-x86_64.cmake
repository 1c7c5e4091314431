# Cross-builds the Windows programs with Debian's MinGW-w64 (the POSIX-threads flavour, which
# std::thread and std::mutex need): cmake -S . -B build-win
#   -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DZARVELL_QT=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZARVELL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZARVELL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZARVELL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZARVELL_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZARVELL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One .exe each, with the C++ runtime and winpthreads inside: nothing to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# The test programs run under wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
