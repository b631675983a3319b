# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks what the validators do
# not: that the desktop integration files are where desktops look for them,
# refer to each other and to the program by the right names, that each PNG
# icon has the size its folder claims, and that the metainfo's newest release
# is the version being built, and that the metainfo gives the project's
# address; the changelog's newest entry is that version as well.
#
#   cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=bin -DDATADIR=share -DAPP_ID=...
#         -DICON_SIZES=16;22;... -DVERSION=x.y.z -DHOMEPAGE=https://...
#         -P check_installed_files.cmake

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE install_result OUTPUT_QUIET)
if(NOT install_result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${install_result}")
endif()

set(problems)
macro(problem text)
  list(APPEND problems "${text}")
endmacro()

set(desktop_entry ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
foreach(path ${BINDIR}/trinomix ${DATADIR}/applications/${APP_ID}.desktop
             ${DATADIR}/metainfo/${APP_ID}.metainfo.xml ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
             ${DATADIR}/doc/trinomix/copyright ${DATADIR}/man/man1/trinomix.1.gz
             ${DATADIR}/man/en/man1/trinomix.1.gz)
  if(NOT EXISTS ${PREFIX}/${path})
    problem("not installed: ${path}")
  endif()
endforeach()

# PNG: width and height are big-endian 32-bit numbers at bytes 16 and 20.
foreach(size ${ICON_SIZES})
  set(png ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${PREFIX}/${png})
    problem("not installed: ${png}")
    continue()
  endif()
  file(READ ${PREFIX}/${png} header OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${header}" 0 8 width)
  string(SUBSTRING "${header}" 8 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    problem("${png} is ${width}x${height}")
  endif()
endforeach()

if(EXISTS ${desktop_entry})
  file(STRINGS ${desktop_entry} exec REGEX "^Exec=")
  file(STRINGS ${desktop_entry} icon REGEX "^Icon=")
  if(NOT exec STREQUAL "Exec=trinomix")
    problem("the desktop entry starts '${exec}', not the installed trinomix")
  endif()
  if(NOT icon STREQUAL "Icon=${APP_ID}")
    problem("the desktop entry names the icon '${icon}', not ${APP_ID}")
  endif()
endif()

if(EXISTS ${metainfo})
  file(READ ${metainfo} text)
  if(NOT text MATCHES "<id>${APP_ID}</id>")
    problem("the metainfo's id is not ${APP_ID}")
  endif()
  if(NOT text MATCHES "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>")
    problem("the metainfo does not launch ${APP_ID}.desktop")
  endif()
  string(FIND "${text}" "<url type=\"homepage\">${HOMEPAGE}</url>" homepage_at)
  if(homepage_at EQUAL -1)
    problem("the metainfo does not give ${HOMEPAGE} as the homepage")
  endif()
  # Releases are listed newest first.
  if(NOT text MATCHES "<release version=\"([^\"]*)\"" OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
    problem("the metainfo's newest release is '${CMAKE_MATCH_1}', the program is ${VERSION}")
  endif()
endif()

# Debian's changelog, on Unix systems: its newest entry is this version too.
if(EXISTS ${BUILD_DIR}/doc/changelog)
  file(STRINGS ${BUILD_DIR}/doc/changelog newest LIMIT_COUNT 1)
  if(NOT newest MATCHES "^trinomix \\(${VERSION}\\) ")
    problem("the changelog's newest entry is '${newest}', the program is ${VERSION}")
  endif()
endif()

if(problems)
  list(JOIN problems "\n  " report)
  message(FATAL_ERROR "Installed files:\n  ${report}")
endif()
