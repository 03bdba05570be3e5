set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -Wl,--high-entropy-va"
       " -Wl,--major-subsystem-version,5,--minor-subsystem-version,2")
