# Makes a delay-load import library from a system import library: the program then loads the
# DLL when it first calls one of its functions instead of at start. Run as a script:
#   cmake -DNM=… -DDLLTOOL=… -DIMPORT_LIB=libx.a -DDLL=x.dll -DOUTPUT=libx_delay.a
#         -DKILL_AT=ON|OFF -P DelayImportLib.cmake
# The functions are the library's import symbols (__imp_name, or __imp__name@n where names
# carry the argument size, whose DLL exports are the bare names: KILL_AT).
execute_process(COMMAND ${NM} -g ${IMPORT_LIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot list ${IMPORT_LIB}")
endif()
string(REGEX MATCHALL "[ \t]I __imp_[^\r\n]+" imports "${symbols}")
set(def "LIBRARY ${DLL}\nEXPORTS\n")
set(seen)
foreach(line ${imports})
  string(REGEX REPLACE "^[ \t]I __imp_" "" name "${line}")
  if(KILL_AT)
    string(REGEX REPLACE "^_" "" name "${name}")
  endif()
  list(FIND seen "${name}" at)
  if(at EQUAL -1)
    list(APPEND seen "${name}")
    string(APPEND def "${name}\n")
  endif()
endforeach()
file(WRITE ${OUTPUT}.def "${def}")
set(kill)
if(KILL_AT)
  set(kill --kill-at)
endif()
execute_process(COMMAND ${DLLTOOL} ${kill} -d ${OUTPUT}.def -D ${DLL} -y ${OUTPUT} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot make ${OUTPUT}")
endif()
