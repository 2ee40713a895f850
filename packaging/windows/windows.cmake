# The Windows build: the same game cross-built with mingw-w64 over static SDL2,
# libvorbisfile and libjpeg built by tools/windows/build_libs.sh, with the
# game's icon and version information in the program.
set(PLUMBRIX_WINDOWS_DEPS "" CACHE PATH "Prefix of the libraries built for Windows")
if(NOT IS_DIRECTORY "${PLUMBRIX_WINDOWS_DEPS}/lib")
  message(FATAL_ERROR "Set PLUMBRIX_WINDOWS_DEPS; ./windows.sh does")
endif()
set(deps ${PLUMBRIX_WINDOWS_DEPS})

# A win_NAME.cpp replaces the desktop's NAME.cpp; the browser's files stay out.
include(${CMAKE_SOURCE_DIR}/packaging/platform_sources.cmake)
plumbrix_platform_sources(PLUMBRIX_PLATFORM_SOURCES win web)
add_library(plumbrix_platform STATIC ${PLUMBRIX_PLATFORM_SOURCES})
target_include_directories(plumbrix_platform PUBLIC ${CMAKE_SOURCE_DIR}/src)
# The libraries' headers are system headers, as they are on Linux.
target_include_directories(plumbrix_platform SYSTEM PRIVATE ${deps}/include/SDL2)
# SDL's static library needs these of Windows' own.
target_link_libraries(plumbrix_platform PRIVATE ${deps}/lib/libSDL2.a
  setupapi winmm imm32 version ole32 oleaut32 uuid gdi32 user32 shell32 advapi32)

file(GLOB PLUMBRIX_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/base/*.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/*.cpp ${CMAKE_SOURCE_DIR}/src/graphics/*.cpp
  ${CMAKE_SOURCE_DIR}/src/game/*.cpp ${CMAKE_SOURCE_DIR}/src/screens/*.cpp
  ${CMAKE_SOURCE_DIR}/src/audio/*.cpp)
list(REMOVE_ITEM PLUMBRIX_SOURCES ${CMAKE_SOURCE_DIR}/src/shell/main.cpp)
add_library(plumbrix_core STATIC ${PLUMBRIX_SOURCES})
target_include_directories(plumbrix_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_include_directories(plumbrix_core SYSTEM PUBLIC ${deps}/include)
target_link_libraries(plumbrix_core PUBLIC plumbrix_platform ${deps}/lib/libvorbisfile.a
  ${deps}/lib/libvorbis.a ${deps}/lib/libogg.a ${deps}/lib/libjpeg.a)

# The game: a windowed program (no console), with its icon and version.
set(PLUMBRIX_ICON "" CACHE FILEPATH "The game's icon as a .ico file")
configure_file(${CMAKE_CURRENT_LIST_DIR}/plumbrix.rc.in ${CMAKE_BINARY_DIR}/plumbrix.rc @ONLY)
add_executable(plumbrix WIN32 ${CMAKE_SOURCE_DIR}/src/shell/main.cpp ${CMAKE_BINARY_DIR}/plumbrix.rc)
target_link_libraries(plumbrix PRIVATE plumbrix_core)
set_property(SOURCE ${CMAKE_BINARY_DIR}/plumbrix.rc APPEND PROPERTY OBJECT_DEPENDS ${PLUMBRIX_ICON})

# The headless driver, a console program, for the replays under Wine.
add_executable(plumbrix-replay ${CMAKE_SOURCE_DIR}/tools/replay/replay_main.cpp
  ${CMAKE_SOURCE_DIR}/tools/replay/replay_script.cpp ${CMAKE_SOURCE_DIR}/tools/replay/replay_state.cpp
  ${CMAKE_SOURCE_DIR}/tools/replay/autoplay.cpp ${CMAKE_SOURCE_DIR}/tools/replay/invariants.cpp)
target_link_libraries(plumbrix-replay PRIVATE plumbrix_core)

# The platform's Windows files on their own, run under Wine by tests/windows/run.sh.
add_executable(plumbrix-windows-tests ${CMAKE_SOURCE_DIR}/tests/windows/platform_test.cpp)
target_link_libraries(plumbrix-windows-tests PRIVATE plumbrix_platform)
