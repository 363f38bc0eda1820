# Runs a Qt Test program built for Windows under wine and prints its log.
# Wine hands no QT_* variable of the Unix environment to a Windows program,
# so the Qt settings go into the prefix's user environment instead; and the
# program's standard output reaches no one, so it writes its log to a file.
# cmake -DEMULATOR=wine -DPROGRAM=x.exe -DSETTINGS=NAME=VALUE,... -P run_under_wine.cmake
string(REPLACE "," ";" SETTINGS "${SETTINGS}")
foreach(setting IN LISTS SETTINGS)
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${setting}")
  execute_process(COMMAND ${EMULATOR} reg add "HKCU\\Environment" /v "${CMAKE_MATCH_1}"
                          /d "${CMAKE_MATCH_2}" /f OUTPUT_QUIET ERROR_QUIET)
endforeach()
get_filename_component(log "${PROGRAM}" NAME_WE)
set(log "${CMAKE_CURRENT_BINARY_DIR}/${log}.log")
file(REMOVE "${log}")
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" -o "${log},txt" RESULT_VARIABLE result)
if(EXISTS "${log}")
  file(READ "${log}" text)
  message("${text}")
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM}: ${result}")
endif()
