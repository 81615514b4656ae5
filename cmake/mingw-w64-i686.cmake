# Cross-builds the 32-bit Windows programs with MinGW-w64 (see mingw-w64.cmake). They run under
# Wine's 32-bit half (wine32:i386), which scripts/wine-run.sh picks for a 32-bit program.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(_mingw i686-w64-mingw32)
# A 32-bit program gets 2 GiB of address space unless it says it handles addresses above 2 GiB;
# then 64-bit Windows gives it 4 GiB, room for lists twice as long.
set(_mingw_link_flags "-Wl,--large-address-aware")
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")
