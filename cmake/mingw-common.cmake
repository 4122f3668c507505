# Shared settings of the two MinGW-w64 cross builds (posix thread model,
# everything linked statically so Tralvex.exe needs only Windows' own DLLs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER   ${TVX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TVX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${TVX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TVX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
