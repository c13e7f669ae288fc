# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt needs).
# Name a Qt built for MinGW in CMAKE_PREFIX_PATH; scripts/windows/qt.sh builds one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

# The Qt prefix counts as a root too, so that its packages are found where they are rather than
# under the MinGW root.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The GCC, C++ and threads runtimes are linked in (their licences allow it), so a program needs
# no MinGW DLL beside it, nor does a DLL or plugin; Qt stays in DLLs of its own.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)

# Build-time tools of ours (the icon drawer) run through Wine. Debian's wine64 package keeps its
# loader out of PATH.
find_program(YARNO_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(YARNO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${YARNO_WINE})
endif()
