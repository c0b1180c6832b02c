# Shared by the two mingw-w64 toolchain files; expects KORVALIS_MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: its C++ library has std::mutex, which GoogleTest
# needs on Windows; the static link keeps its thread library out of the
# exe's imports.
set(CMAKE_C_COMPILER ${KORVALIS_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVALIS_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVALIS_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KORVALIS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
