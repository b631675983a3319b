# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and packaging: the program with its desktop entry, theme icons
# and AppStream metainfo (`cmake --install`), and the Debian package built by
# CPack (`bash scripts/package.sh`).

include(GNUInstallDirs)

# The desktop entry, the icons and the metainfo are all named after the
# application id, which stays the same whatever TRX_HOMEPAGE says.
set(TRX_APP_ID org.example.trinomix.Trinomix)
# One picture for the window and the menus: the window's own icon.
set(TRX_ICON_SVG ${PROJECT_SOURCE_DIR}/src/window/icons/trinomix.svg)
set(TRX_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TRX_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS trinomix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS trx_plot LIBRARY DESTINATION ${TRX_MODULE_INSTALL_DIR})
install(FILES data/${TRX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# A placeholder, like the address, until the project has a mailbox.
set(TRX_CONTACT "Equipo Trinomix <trinomix@example.org>" CACHE STRING
    "Who answers for the package: its maintainer and the copyright file's contact")

# The metainfo, the copyright file and the manual page carry the project's
# address.
set(TRX_METAINFO ${CMAKE_CURRENT_BINARY_DIR}/${TRX_APP_ID}.metainfo.xml)
configure_file(data/${TRX_APP_ID}.metainfo.xml.in ${TRX_METAINFO} @ONLY)
configure_file(data/copyright.in copyright @ONLY)
install(FILES ${TRX_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual pages (Spanish, and English for English desktops) and Debian's
# changelog, compressed as Debian wants them:
# gzip at its best, without the time stamp that would make every build
# differ.
if(UNIX)
  configure_file(data/trinomix.1.in man/trinomix.1 @ONLY)
  configure_file(data/trinomix.en.1.in man/en/trinomix.1 @ONLY)
  configure_file(data/changelog.in doc/changelog @ONLY)
  find_program(TRX_GZIP gzip REQUIRED)
  set(compressed)
  foreach(file man/trinomix.1 man/en/trinomix.1 doc/changelog)
    set(gz ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
    add_custom_command(OUTPUT ${gz}
      COMMAND ${TRX_GZIP} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/${file}
      DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file}
      VERBATIM)
    list(APPEND compressed ${gz})
  endforeach()
  add_custom_target(compressed_docs ALL DEPENDS ${compressed})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/trinomix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/en/trinomix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/en/man1)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trinomix)
endif()
install(FILES ${TRX_ICON_SVG} DESTINATION ${TRX_ICON_DIR}/scalable/apps RENAME ${TRX_APP_ID}.svg)
# The licence, in the machine-readable form Debian reads.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/trinomix)

# Desktops without SVG support, and small sizes in menus, use the PNGs.
set(icon_pngs)
foreach(size IN LISTS TRX_ICON_SIZES)
  set(png_dir ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size})
  file(MAKE_DIRECTORY ${png_dir})
  set(png ${png_dir}/${TRX_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND render_icon ${TRX_ICON_SVG} ${size} ${png}
    DEPENDS render_icon ${TRX_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  install(FILES ${png} DESTINATION ${TRX_ICON_DIR}/${size}x${size}/apps)
  list(APPEND icon_pngs ${png})
endforeach()
add_custom_target(theme_icons ALL DEPENDS ${icon_pngs})

# CTest is included after this file: on a first configure BUILD_TESTING is
# not defined yet, and then defaults to ON.
if(NOT DEFINED BUILD_TESTING OR BUILD_TESTING)
  find_program(TRX_DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(TRX_APPSTREAMCLI appstreamcli)
  if(TRX_DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_is_valid
      COMMAND ${TRX_DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/data/${TRX_APP_ID}.desktop)
    # The validator reports problems but exits 0 for some of them.
    set_tests_properties(desktop_entry_is_valid PROPERTIES FAIL_REGULAR_EXPRESSION "error:|warning:")
  else()
    message(STATUS "desktop-file-validate not found (desktop-file-utils): the desktop entry is not checked")
  endif()
  if(TRX_APPSTREAMCLI)
    add_test(NAME metainfo_is_valid
      COMMAND ${TRX_APPSTREAMCLI} validate --no-net ${TRX_METAINFO})
  else()
    message(STATUS "appstreamcli not found (appstream): the metainfo file is not checked")
  endif()
  add_test(NAME installed_desktop_files
    COMMAND ${CMAKE_COMMAND}
      -DBUILD_DIR=${PROJECT_BINARY_DIR}
      -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-check
      -DBINDIR=${CMAKE_INSTALL_BINDIR}
      -DDATADIR=${CMAKE_INSTALL_DATADIR}
      -DAPP_ID=${TRX_APP_ID}
      "-DICON_SIZES=${TRX_ICON_SIZES}"
      -DVERSION=${PROJECT_VERSION}
      -DHOMEPAGE=${TRX_HOMEPAGE}
      -P ${PROJECT_SOURCE_DIR}/tools/check_installed_files.cmake)
  # The README's picture: the sample must still solve on the current window
  # without raising any box.
  add_test(NAME screenshot_sample_solves
    COMMAND trinomix_screenshot ${CMAKE_CURRENT_BINARY_DIR}/screenshot-check.png
            ${CMAKE_CURRENT_BINARY_DIR}/desarrollo-check.png)
endif()

# The Debian package.  Library dependencies come from the binary; the SVG
# icon engine is a plugin that Qt loads at run time, which no linker records.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trinomix)
set(CPACK_PACKAGE_VENDOR "Equipo Trinomix")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solver for second-degree equations, with exact solutions")
set(CPACK_PACKAGE_DESCRIPTION "Trinomix solves a·x² + b·x + c = d in a small desktop window and shows both
solutions as decimal numbers, in scientific notation and in exact form:
fractions before and after reduction, the square root of the discriminant,
or complex numbers with the imaginary unit. Its interface is in Spanish.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${TRX_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TRX_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# Spanish texts for Qt's own parts of the window (a text box's context menu),
# and a face with the metrics of Arial, for which the fixed layout was drawn:
# with only DejaVu Sans some captions are clipped.  Qt's Wayland plugin, so
# that the program runs natively on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation2, qt6-wayland")
include(CPack)
