# Cross-building for Windows with Debian's mingw-w64 compilers (the posix
# thread model, for std::thread). ZEF_MINGW_TARGET picks the target:
# x86_64-w64-mingw32 (64-bit) or i686-w64-mingw32 (32-bit); the presets
# windows-x64 and windows-x86 set it.
set(ZEF_MINGW_TARGET x86_64-w64-mingw32 CACHE STRING "mingw-w64 target: x86_64-w64-mingw32 or i686-w64-mingw32")
set_property(CACHE ZEF_MINGW_TARGET PROPERTY STRINGS x86_64-w64-mingw32 i686-w64-mingw32)
# try_compile() projects read this file again and need the same choice.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZEF_MINGW_TARGET)

set(CMAKE_SYSTEM_NAME Windows)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${ZEF_MINGW_TARGET}")
set(CMAKE_C_COMPILER ${ZEF_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEF_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEF_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZEF_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libgcc, libstdc++ and winpthread are linked in, so a program needs only the
# DLLs every Windows has (KERNEL32, msvcrt, ...).
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
if(ZEF_MINGW_TARGET MATCHES "^i686")
  # Doubles in SSE registers, as on x86-64, not carried at the x87's extended
  # precision: the same files give the same report on both.
  set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
  set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()

# Tests run under Wine, in a Wine prefix of the build folder's own.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine-prefix)
