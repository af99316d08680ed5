# A console tool's test program: its unit tests linked with the tool's library, and the
# paths, as Wine sees them, of the staged program and of the golden files in the source
# tree, given as <PREFIX>_EXE and <PREFIX>_GOLDEN_DIR. The test runs the staged program,
# so it depends on PROGRAM_TARGET.
function(moyu_add_tool_test name)
  cmake_parse_arguments(T "" "LIBRARY;PROGRAM;PROGRAM_TARGET;PREFIX" "" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  moyu_add_test(${name} SOURCES ${sources} LIBS ${T_LIBRARY})
  string(REPLACE "/" "\\\\" staged_tools_dir "Z:${MOYU_TOOLS_DIR}")
  string(REPLACE "/" "\\\\" golden_dir "Z:${CMAKE_CURRENT_SOURCE_DIR}/golden")
  target_compile_definitions(${name} PRIVATE
    "${T_PREFIX}_EXE=\"${staged_tools_dir}\\\\${T_PROGRAM}\""
    "${T_PREFIX}_GOLDEN_DIR=\"${golden_dir}\"")
  add_dependencies(${name} ${T_PROGRAM_TARGET})
endfunction()
