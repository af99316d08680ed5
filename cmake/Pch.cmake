# Precompiled headers. windows.h and the standard library take most of the time of compiling
# any one of our sources (about three of its four seconds); compiled once per build instead
# of once per source, they nearly halve the build. Every C++ target of a folder given to
# moyu_reuse_precompiled_headers takes the one set compiled for moyu_pch, or, when it links the
# test support, the one compiled for moyu_test_pch that adds GoogleTest. The headers are
# included ahead of each source, so a source sees windows.h even where it does not include it.
set(moyu_pch_headers <windows.h> <string> <vector> <cstring> <cstdlib> <cstdio> <algorithm>
    <memory> <functional>)
add_library(moyu_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
target_precompile_headers(moyu_pch PRIVATE ${moyu_pch_headers})

# moyu_reuse_precompiled_headers(dir): every C++-only target defined in dir and below it
# reuses the precompiled headers (C sources keep compiling as they are).
function(moyu_reuse_precompiled_headers dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    if(target MATCHES "^moyu_(test_)?pch$")
      continue()
    endif()
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    set(cxx FALSE)
    set(other FALSE)
    foreach(source ${sources})
      if(source MATCHES "\\.cpp$")
        set(cxx TRUE)
      elseif(source MATCHES "\\.c$")
        set(other TRUE)
      endif()
    endforeach()
    if(NOT cxx OR other)
      continue()
    endif()
    get_target_property(libraries ${target} LINK_LIBRARIES)
    if(TARGET moyu_test_pch AND "moyu_test_support" IN_LIST libraries)
      set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM moyu_test_pch)
    else()
      set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM moyu_pch)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    moyu_reuse_precompiled_headers(${subdir})
  endforeach()
endfunction()
