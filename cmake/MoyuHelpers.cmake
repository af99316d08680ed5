# moyu_program(target OUTPUT_DIR dir SOURCES …): a Windows program placed in the staged installation.
function(moyu_program target)
  cmake_parse_arguments(P "" "OUTPUT_DIR" "SOURCES" ${ARGN})
  add_executable(${target} ${P_SOURCES})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${P_OUTPUT_DIR})
  # The staged program carries no debug information: Wine reads every section of an image
  # into memory when it starts it, and the IDE's 50 MB of symbols cost over a second and as
  # much memory on every start. They go to build/symbols/<program>.debug, which the program
  # names (a debug link) so that a debugger finds them.
  set(symbols ${CMAKE_BINARY_DIR}/symbols/$<TARGET_FILE_NAME:${target}>.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/symbols
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${symbols}
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=${symbols} $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

# moyu_stage_data(target SOURCE dir DESTINATION dir): copies a folder of run-time data files
# into the staged installation whenever target is built.
function(moyu_stage_data target)
  cmake_parse_arguments(D "" "SOURCE;DESTINATION" "" ${ARGN})
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${D_SOURCE}/*)
  set(outputs)
  foreach(f ${files})
    file(RELATIVE_PATH rel ${D_SOURCE} ${f})
    set(out ${D_DESTINATION}/${rel})
    add_custom_command(OUTPUT ${out} COMMAND ${CMAKE_COMMAND} -E copy ${f} ${out} DEPENDS ${f})
    list(APPEND outputs ${out})
  endforeach()
  string(MD5 tag "${D_DESTINATION}")
  add_custom_target(stage_${tag} ALL DEPENDS ${outputs})
  add_dependencies(${target} stage_${tag})
endfunction()

# moyu_add_test(name SOURCES … LIBS … [REAL_INPUT]): one test executable, run under Wine as one
# CTest test, on a display and in a Wine prefix of its own (scripts/wine-test). REAL_INPUT marks
# a program that drives the real pointer or keyboard: it gets the CTest label REAL_INPUT.
function(moyu_add_test name)
  cmake_parse_arguments(T "REAL_INPUT" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} moyu_test_support)
  add_test(NAME ${name} COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-test $<TARGET_FILE:${name}>)
  # Long enough for the slowest program on a busy two-core machine; it only ends one truly stuck.
  set_tests_properties(${name} PROPERTIES TIMEOUT 1200)
  if(T_REAL_INPUT)
    set_tests_properties(${name} PROPERTIES LABELS REAL_INPUT)
  endif()
endfunction()
