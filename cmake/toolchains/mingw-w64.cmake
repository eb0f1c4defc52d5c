# Shared part of the MinGW-w64 cross builds; the per-architecture files set
# TRAMOX_MINGW_TARGET and include this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TRAMOX_MINGW_TARGET}-gcc)
set(CMAKE_CXX_COMPILER ${TRAMOX_MINGW_TARGET}-g++)
set(CMAKE_RC_COMPILER ${TRAMOX_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TRAMOX_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes linked in: the executables need only Windows' own
# DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
