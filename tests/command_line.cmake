# SPDX-License-Identifier: GPL-3.0-or-later
# The program's answers to its command line, with no display to open a
# window on: each case is the arguments, the exit status and a pattern for
# what the program prints (the standard output, or the error output when the
# status is not 0).
#
#   cmake -DPROGRAM=.../trinomix -DVERSION=x.y.z -P command_line.cmake

unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
# In the program's own language.
unset(ENV{LANGUAGE})
set(ENV{LC_ALL} C.UTF-8)

string(REPLACE "." "\\." version_pattern "${VERSION}")
set(cases
  "--version" 0 "^Trinomix ${version_pattern}\n$"
  "-v" 0 "^Trinomix ${version_pattern}\n$"
  "--help" 0 "^Uso: .*trinomix \\[opciones\\]\n.*  -h, --help .*  -v, --version "
  "--geometry" 2 "^trinomix: .*«geometry».*trinomix --help"
  "coeficientes.txt" 2 "^trinomix: .*«coeficientes.txt».*trinomix --help"
)

set(failures)
while(cases)
  list(POP_FRONT cases argument status pattern)
  execute_process(COMMAND ${PROGRAM} ${argument} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 20)
  if(NOT status EQUAL 0)
    set(out "${err}")
  endif()
  if(NOT result STREQUAL status OR NOT out MATCHES "${pattern}")
    list(APPEND failures "trinomix ${argument}: status ${result}, printed '${out}'")
  endif()
endwhile()

if(failures)
  list(JOIN failures "\n  " report)
  message(FATAL_ERROR "Command line:\n  ${report}")
endif()
