# SPDX-License-Identifier: GPL-3.0-or-later
# The functions that run at start-up stand together in the program's code:
# most of those listed still exist (a list gone stale after a change of
# start-up gathers little; bench/startup-order.sh writes it again), and the
# stretch of code from the first of them to the end of the last is at least
# three quarters theirs (the rest: aliases, thunks and parts of their own).
#
#   cmake -DNM=.../nm -DPROGRAM=.../trinomix -DLIST=.../startup-functions.txt -P startup_code_gathered.cmake

cmake_minimum_required(VERSION 3.21)
file(STRINGS ${LIST} listed REGEX "^[^#]")
execute_process(COMMAND ${NM} --defined-only --format=posix ${PROGRAM}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} cannot read ${PROGRAM}")
endif()
string(REGEX MATCHALL "[^\n]+ [tTW] [0-9a-f]+ [0-9a-f]+" functions "${symbols}")

set(found "")
set(listed_bytes 0)
set(start 0x7fffffffffffffff)
set(end 0)
foreach(line IN LISTS functions)
  string(REGEX MATCH "^([^ ]+) . ([0-9a-f]+) ([0-9a-f]+)" _ "${line}")
  if(CMAKE_MATCH_1 IN_LIST listed)
    list(APPEND found ${CMAKE_MATCH_1})
    math(EXPR listed_bytes "${listed_bytes} + 0x${CMAKE_MATCH_3}")
    math(EXPR stop "0x${CMAKE_MATCH_2} + 0x${CMAKE_MATCH_3}")
    if(0x${CMAKE_MATCH_2} LESS start)
      set(start 0x${CMAKE_MATCH_2})
    endif()
    if(stop GREATER end)
      set(end ${stop})
    endif()
  endif()
endforeach()

list(REMOVE_DUPLICATES found)
list(LENGTH found found)
list(LENGTH listed count)
math(EXPR least "${count} * 4 / 5")
if(found LESS least)
  message(FATAL_ERROR "Only ${found} of the ${count} functions in ${LIST} are in the program: "
                      "run bench/startup-order.sh to list those that run at start-up now")
endif()
math(EXPR stretch "${end} - ${start}")
math(EXPR least "${stretch} * 3 / 4")
if(listed_bytes LESS least)
  message(FATAL_ERROR "The start-up functions (${listed_bytes} bytes) are spread over ${stretch} bytes "
                      "of code: the linker did not gather them")
endif()
message(STATUS "${found} of ${count} start-up functions, ${listed_bytes} bytes within ${stretch}")
