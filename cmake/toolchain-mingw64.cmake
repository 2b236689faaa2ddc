# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (POSIX threads,
# so std::thread and std::mutex work). Used for Qt itself and for Velkara.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Libraries and headers come from the MinGW root and from the Qt prefix the
# caller passes in CMAKE_PREFIX_PATH; programs (moc, rcc, ...) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Built programs run under Wine when CMake or CTest needs to start them.
find_program(VELKARA_WINE wine)
if(VELKARA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELKARA_WINE})
endif()
