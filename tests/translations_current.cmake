# SPDX-License-Identifier: GPL-3.0-or-later
# The translations keep up with the sources: lupdate, run over the sources
# into copies of the .ts files, changes nothing (no text is new, none has
# gone), and every text has its translation.
#
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... "-DOPTIONS=..." -P translations_current.cmake

file(GLOB ts_files ${SOURCE_DIR}/translations/*.ts)
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${ts_files} DESTINATION ${WORK_DIR})
file(GLOB copies ${WORK_DIR}/*.ts)
execute_process(COMMAND ${LUPDATE} ${SOURCE_DIR}/src ${OPTIONS} -ts ${copies}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${errors}")
endif()

set(problems)
foreach(ts ${ts_files})
  get_filename_component(name ${ts} NAME)
  file(READ ${ts} committed)
  file(READ ${WORK_DIR}/${name} updated)
  if(NOT committed STREQUAL updated)
    list(APPEND problems "${name} is behind the sources: build the target update_translations and translate")
  elseif(committed MATCHES "type=\"unfinished\"")
    list(APPEND problems "${name} has texts without a translation")
  endif()
endforeach()
if(problems)
  list(JOIN problems "\n  " report)
  message(FATAL_ERROR "Translations:\n  ${report}")
endif()
