# Shared by the i686 and x86_64 MinGW-w64 toolchain files: posix-thread compilers,
# static runtimes, and Wine as the emulator ctest runs Windows executables with.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${VARDEX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARDEX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VARDEX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VARDEX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
