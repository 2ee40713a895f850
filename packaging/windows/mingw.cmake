# Cross-building for 64-bit Windows with Debian's mingw-w64 compilers (the posix
# thread model, which has std::thread), used by windows.sh for the libraries
# and the game alike.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# A clean Windows has no libgcc, libstdc++ or winpthread DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
find_program(PLUMBRIX_CCACHE ccache)
if(PLUMBRIX_CCACHE)
  set(CMAKE_C_COMPILER_LAUNCHER ${PLUMBRIX_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${PLUMBRIX_CCACHE})
endif()
