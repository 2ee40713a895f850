# The browser build: the same game over SDL2, libvorbisfile and libjpeg built for
# WebAssembly, with Emscripten's OpenAL and the page's scripts.
set(PLUMBRIX_WEB_DEPS "" CACHE PATH "Prefix of the libraries built for the browser")
if(NOT IS_DIRECTORY "${PLUMBRIX_WEB_DEPS}/lib")
  message(FATAL_ERROR "Set PLUMBRIX_WEB_DEPS; ./web.sh does")
endif()

# A web_NAME.cpp replaces the desktop's NAME.cpp.
include(${CMAKE_SOURCE_DIR}/packaging/platform_sources.cmake)
plumbrix_platform_sources(PLUMBRIX_PLATFORM_SOURCES web win)
add_library(plumbrix_platform STATIC ${PLUMBRIX_PLATFORM_SOURCES})
target_include_directories(plumbrix_platform PUBLIC ${CMAKE_SOURCE_DIR}/src
  PRIVATE ${PLUMBRIX_WEB_DEPS}/include/SDL2)

file(GLOB PLUMBRIX_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/base/*.cpp
  ${CMAKE_SOURCE_DIR}/src/shell/*.cpp ${CMAKE_SOURCE_DIR}/src/graphics/*.cpp
  ${CMAKE_SOURCE_DIR}/src/game/*.cpp ${CMAKE_SOURCE_DIR}/src/screens/*.cpp
  ${CMAKE_SOURCE_DIR}/src/audio/*.cpp)
list(REMOVE_ITEM PLUMBRIX_SOURCES ${CMAKE_SOURCE_DIR}/src/shell/main.cpp)
add_library(plumbrix_core STATIC ${PLUMBRIX_SOURCES})
target_include_directories(plumbrix_core PUBLIC ${CMAKE_SOURCE_DIR}/src ${PLUMBRIX_WEB_DEPS}/include)
target_link_libraries(plumbrix_core PUBLIC plumbrix_platform)

add_executable(plumbrix ${CMAKE_SOURCE_DIR}/src/shell/main.cpp)
set(lib ${PLUMBRIX_WEB_DEPS}/lib)
target_link_libraries(plumbrix PRIVATE plumbrix_core ${lib}/libvorbisfile.a ${lib}/libvorbis.a
  ${lib}/libogg.a ${lib}/libjpeg.a ${lib}/libSDL2.a)
set(storage ${CMAKE_SOURCE_DIR}/src/platform/web_storage.js)
set(held_input ${CMAKE_SOURCE_DIR}/src/platform/web_held_input.js)
# The game reads its pictures, sounds and music from the folder it starts in, as
# on the desktop. The page puts them there (packaging/web/site.py packs them):
# the pictures before the game starts, the rest as it arrives. The player's own
# files come from storage. Held buttons and fingers are let go when the page
# loses the focus.
target_link_options(plumbrix PRIVATE
  -lopenal -lidbfs.js
  -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1
  -sFORCE_FILESYSTEM=1 -sEXPORTED_RUNTIME_METHODS=FS,addRunDependency,removeRunDependency
  # SDL 2.26's audio callback needs these two; from a file, as no quoting of the
  # dollar signs survives every generator.
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_CURRENT_LIST_DIR}/library_functions.txt
  "SHELL:--pre-js ${storage}" "SHELL:--pre-js ${held_input}")
set_property(TARGET plumbrix APPEND PROPERTY LINK_DEPENDS ${storage} ${held_input})
