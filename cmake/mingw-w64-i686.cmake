set(MINGW_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT
       " -Wl,--major-subsystem-version,5,--minor-subsystem-version,1")
# Nothing here can run 32-bit code, so no emulator.
unset(CMAKE_CROSSCOMPILING_EMULATOR)
