# The same sources as a 64-bit Windows executable, for machines whose kernel
# cannot run 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
