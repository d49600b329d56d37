# 32-bit Windows, the build the product ships as. This machine cannot run
# 32-bit code, so it is compiled, not run.
set(MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
