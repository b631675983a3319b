# SPDX-License-Identifier: GPL-3.0-or-later
# The plot module links Qt alone: it neither carries a copy of a library of
# the program (a function or object of namespace trx defined in it) nor
# reaches for one in the program (a trx symbol it leaves undefined).  The
# inline functions of the header-only plot types it shares are weak, and
# allowed.
#
#   cmake -DNM=.../nm -DMODULE=.../trx_plot.so -P plot_module_links.cmake

foreach(kind defined undefined)
  execute_process(COMMAND ${NM} -C -D --${kind}-only ${MODULE} OUTPUT_VARIABLE ${kind} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${NM} cannot read ${MODULE}")
  endif()
endforeach()
string(REGEX MATCHALL "[^\n]* [BDRT] trx::[^\n]*" copies "${defined}")
string(REGEX MATCHALL "[^\n]* U [^\n]*trx::[^\n]*" references "${undefined}")
if(copies OR references)
  list(JOIN copies "\n" copies)
  list(JOIN references "\n" references)
  message(FATAL_ERROR "The plot module depends on the program's libraries:\n${copies}\n${references}")
endif()
