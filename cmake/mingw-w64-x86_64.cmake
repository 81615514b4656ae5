# Cross-builds the 64-bit Windows programs with MinGW-w64 (see mingw-w64.cmake).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(_mingw x86_64-w64-mingw32)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")
