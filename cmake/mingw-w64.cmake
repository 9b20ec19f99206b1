# Cross-building the Windows program with Debian's mingw-w64 (64-bit, posix threads: the core's
# parallel pack uses std::thread, which the win32-thread compilers of GCC 12 lack). Test
# programs run under wine, which CMake uses as the emulator for them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZEGELAAR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZEGELAAR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEGELAAR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEGELAAR_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEGELAAR_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: no libgcc, libstdc++, winpthread or zlib DLLs beside it.
set(ZLIB_USE_STATIC_LIBS ON)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(ZEGELAAR_WINE NAMES wine wine64)
if(ZEGELAAR_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${ZEGELAAR_WINE})
endif()
