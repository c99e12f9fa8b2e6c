# Cross-compiles the Windows programs with the posix-thread flavour of mingw-w64:
# the win32-thread flavour of GCC 12 has no std::thread or std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZOQ_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZOQ_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZOQ_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZOQ_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZOQ_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Static executables: they run on a bare Windows and in a fresh Wine prefix
# without any mingw runtime DLL beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
