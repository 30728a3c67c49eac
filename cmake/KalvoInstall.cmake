# Installation and the Debian package.
#
# The programs, kalvo-cli and the help document lie side by side in one private directory
# (lib/kalvo), because every program opens Quennix_Help.pdf from its own directory on F1;
# bin/ holds relative links to them (a program started through a link still reports its
# real directory). Desktop entries, icons and the manual page go to their usual places.
# Programs are installed only if their targets exist in this build.
include(GNUInstallDirs)

set(KALVO_PRIVATE_DIR lib/kalvo)
set(kalvo_link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${kalvo_link_dir})

# The executable in lib/kalvo and a relative symbolic link to it in bin.
function(kalvo_install_executable target)
  install(TARGETS ${target} RUNTIME DESTINATION ${KALVO_PRIVATE_DIR})
  file(RELATIVE_PATH link_target /${CMAKE_INSTALL_BINDIR} /${KALVO_PRIVATE_DIR}/${target})
  file(CREATE_LINK ${link_target} ${kalvo_link_dir}/${target} SYMBOLIC)
  install(FILES ${kalvo_link_dir}/${target} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# The manual page of a program, made from one template with the name and summary of its
# desktop entry, so the two never disagree.
function(kalvo_install_man_page program)
  set(desktop ${PROJECT_SOURCE_DIR}/docs/desktop/kalvo-${program}.desktop)
  file(STRINGS ${desktop} name_line REGEX "^Name=")
  file(STRINGS ${desktop} comment_line REGEX "^Comment=")
  string(REGEX REPLACE "^Name=" "" KALVO_MAN_NAME "${name_line}")
  string(REGEX REPLACE "^Comment=" "" KALVO_MAN_COMMENT "${comment_line}")
  # A semicolon in the text comes back escaped, as in a CMake list.
  string(REPLACE "\\;" ";" KALVO_MAN_COMMENT "${KALVO_MAN_COMMENT}")
  set(KALVO_MAN_PROGRAM ${program})
  string(TOUPPER ${program} KALVO_MAN_UPPER)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${desktop})
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/kalvo-program.1.in ${CMAKE_BINARY_DIR}/man/kalvo-${program}.1 @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/man/kalvo-${program}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

set(KALVO_INSTALLED_PROGRAMS)
foreach(program IN LISTS KALVO_PROGRAMS)
  if(TARGET kalvo-${program})
    list(APPEND KALVO_INSTALLED_PROGRAMS ${program})
    kalvo_install_executable(kalvo-${program})
    install(FILES ${PROJECT_SOURCE_DIR}/docs/desktop/kalvo-${program}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/${program}/LogoMini.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME kalvo-${program}.svg)
    kalvo_install_man_page(${program})
  endif()
endforeach()
kalvo_install_executable(kalvo-cli)
if(TARGET kalvo_help_document)
  install(FILES ${CMAKE_BINARY_DIR}/bin/Quennix_Help.pdf DESTINATION ${KALVO_PRIVATE_DIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/docs/man/kalvo-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/docs/package/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalvo)
install(FILES ${PROJECT_SOURCE_DIR}/docs/package/org.kalvo.kalvo.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# cpack -G DEB: the package "kalvo" for Debian 12, installed under /usr.
set(CPACK_PACKAGE_NAME kalvo)
set(CPACK_PACKAGE_VENDOR "Kalvo")
set(CPACK_PACKAGE_CONTACT "Kalvo developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculators for electronics engineers")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "calculators for electronics engineers
 Eight small Qt calculators: RC circuits, poles, matching networks and MTBF
 (kalvo-rc), transmission-line impedance (kalvo-impedance), probe, crosstalk,
 decoupling and RTD estimates (kalvo-ee), inductance and shielding
 (kalvo-inductance), statistics and fits (kalvo-stat), lines, parabolas and
 coordinates (kalvo-xy), standard-resistor combinations (kalvo-resistor) and
 board tracks, vias, coplanar lines, differential pairs, clearances and fusing
 currents (kalvo-pcb), plus kalvo-cli, which prints the same reports on the
 command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The Qt and C++ libraries come from dpkg-shlibdeps; the platform plugins that the
# windows load at run time are no link dependency, so they are named here, and the
# plotting library, which the plot windows cannot do without.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqcustomplot2.1-qt6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
