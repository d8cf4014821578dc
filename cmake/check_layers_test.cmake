cmake_minimum_required(VERSION 3.20)
# Shows that the layer check catches what it is there to catch: a copy of the sources passes,
# then each planted include makes it fail.
#   cmake -DTSY_ROOT=<source folder> -DWORK=<scratch folder> -P cmake/check_layers_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/layers.cmake)
set(check ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake)

function(copy_sources destination)
  file(REMOVE_RECURSE ${destination})
  foreach(layer ${TSY_LAYERS})
    file(COPY ${TSY_ROOT}/${layer} DESTINATION ${destination})
  endforeach()
endfunction()

function(run_check root expect_pass what)
  execute_process(COMMAND ${CMAKE_COMMAND} -DTSY_ROOT=${root} -P ${check}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(expect_pass AND NOT result EQUAL 0)
    message(FATAL_ERROR "${what}: the check failed on sources that keep the layers:\n${err}")
  elseif(NOT expect_pass AND result EQUAL 0)
    message(FATAL_ERROR "${what}: the check passed although an include breaks the layers")
  endif()
  message(STATUS "${what}: as expected")
endfunction()

# Each case: a file of one layer given an include it may not have.
set(cases
  "core/layout.cpp|#include \"win/owners.h\""
  "core/datafile.cpp|#include <windows.h>"
  "win/owners.h|#include \"shell/shell_services.h\""
  "shell/item_names.cpp|#include \"ui/theme.h\""
  "ui/owner_menu.cpp|#include \"panes/list/list_views.h\""
  "dnd/file_drag.cpp|#include \"ui/theme.h\""
  "shell/item_lists.cpp|#include \"dnd/file_drag.h\""
  "panes/tree/folder_tree.cpp|#include \"app/main_window.h\""
  "ui/theme.cpp|#include \"theme.h\"")

set(scratch ${WORK}/layer_check)
copy_sources(${scratch})
run_check(${scratch} TRUE "unchanged sources")
foreach(case ${cases})
  string(FIND "${case}" "|" bar)
  string(SUBSTRING "${case}" 0 ${bar} file)
  math(EXPR start "${bar} + 1")
  string(SUBSTRING "${case}" ${start} -1 include)
  copy_sources(${scratch})
  file(READ ${scratch}/${file} text)
  file(WRITE ${scratch}/${file} "${include}\n${text}")
  run_check(${scratch} FALSE "${file} planted with ${include}")
endforeach()
file(REMOVE_RECURSE ${scratch})
