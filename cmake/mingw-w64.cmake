# What both MinGW-w64 toolchain files share; each sets CMAKE_SYSTEM_PROCESSOR, _mingw (the
# target triplet) and optionally _mingw_link_flags, and then includes this file. The posix thread model is required: GCC 12's win32
# model has no std::thread or std::mutex. The runtime libraries are linked statically so that the
# executables import system DLLs only.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_AR /usr/bin/${_mingw}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${_mingw}-ranlib CACHE FILEPATH "")
set(CMAKE_OBJDUMP /usr/bin/${_mingw}-objdump CACHE FILEPATH "")
set(CMAKE_STRIP /usr/bin/${_mingw}-strip CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static ${_mingw_link_flags}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static ${_mingw_link_flags}")

# Test programs run under Wine through a wrapper that keeps one prepared prefix per build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh;${CMAKE_BINARY_DIR}/wine-prefix"
    CACHE STRING "Runs a Windows test program under Wine")
