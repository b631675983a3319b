# SPDX-License-Identifier: GPL-3.0-or-later
# The code that runs before the main window's first paint, gathered at the
# front of the program's code.  The kernel maps an executable's code in
# blocks of 64 KiB around each page touched, and start-up touches pages
# spread over most of the libraries; gathered, it needs a third of the
# blocks (0.3 MiB less at start-up).  Every function gets a section of its
# own, and lld places those named in src/app/startup-functions.txt first
# (bench/startup-order.sh writes the list).  Without lld the program links
# with the default linker, its code in link order.
include(CheckLinkerFlag)

set(TRX_STARTUP_FUNCTIONS ${PROJECT_SOURCE_DIR}/src/app/startup-functions.txt)
set(TRX_STARTUP_ORDER_OPTIONS -fuse-ld=lld "LINKER:--symbol-ordering-file=${TRX_STARTUP_FUNCTIONS}"
    LINKER:--no-warn-symbol-ordering)
if(NOT MSVC)
  check_linker_flag(CXX "${TRX_STARTUP_ORDER_OPTIONS}" TRX_HAVE_STARTUP_ORDER)
endif()
if(TRX_HAVE_STARTUP_ORDER)
  add_compile_options(-ffunction-sections)
else()
  message(STATUS "lld not found (package lld): the program's start-up code stays in link order")
endif()

# trx_gather_startup_code(<executable>): links it with the start-up code first.
function(trx_gather_startup_code target)
  if(TRX_HAVE_STARTUP_ORDER)
    target_link_options(${target} PRIVATE ${TRX_STARTUP_ORDER_OPTIONS})
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${TRX_STARTUP_FUNCTIONS})
  endif()
endfunction()
