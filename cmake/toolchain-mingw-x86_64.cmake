# The 64-bit twin of the release build: the same sources, run here under
# 64-bit Wine so that ctest exercises the real Win32 code.
set(KORVALIS_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(KORVALIS_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${KORVALIS_WINEPREFIX})
