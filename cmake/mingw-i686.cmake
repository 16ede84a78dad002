# 32-bit Windows, the program the retailer ships. Its tests cannot run here (no 32-bit wine).
set(QUARVEL_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
