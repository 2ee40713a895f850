# The platform files of one target: PREFIX_NAME.cpp replaces the desktop's
# NAME.cpp, and the other targets' prefixed files stay out.
function(plumbrix_platform_sources out prefix other)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/${other}_[^/]*$")
  foreach(source IN LISTS sources)
    get_filename_component(name ${source} NAME)
    if(name MATCHES "^${prefix}_(.*)$")
      list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/src/platform/${CMAKE_MATCH_1})
    endif()
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
