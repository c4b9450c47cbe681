# Shared part of the two MinGW-w64 toolchain files. MINGW_TRIPLET is set by the caller.
set(CMAKE_SYSTEM_NAME Windows)
# The POSIX thread model: GoogleTest needs std::mutex, which the win32 model lacks.
set(CMAKE_C_COMPILER   ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${MINGW_TRIPLET}-windres)
set(CMAKE_OBJDUMP      ${MINGW_TRIPLET}-objdump CACHE FILEPATH "")
set(CMAKE_STRIP        ${MINGW_TRIPLET}-strip CACHE FILEPATH "")
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
