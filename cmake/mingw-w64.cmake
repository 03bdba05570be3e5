# Shared by the two MinGW-w64 toolchain files, which set MINGW_TRIPLET first.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-win32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-win32)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# The player's machine has no MinGW runtime DLLs: link the runtime in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--nxcompat -Wl,--dynamicbase")

# Windows XP is the oldest system served.
set(LAUNCHER_WIN32_WINNT 0x0501 CACHE STRING "Oldest Windows the build may call into")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/run-in-prefix)

# Release exes are stripped by the linker: a separate strip would stamp the
# current time into the PE header.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
