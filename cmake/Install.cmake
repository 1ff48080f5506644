# Where everything goes when Halvex is installed, and the Debian package.
#
# The program keeps its printing module, help and licence agreement in its own
# folder: on Linux that folder is halvex/ in the library folder (lib/halvex, or
# lib/x86_64-linux-gnu/halvex on Debian under /usr), started through bin/halvex;
# elsewhere the executable and its documents share the installation's bin folder.
include(GNUInstallDirs)

if(UNIX AND NOT APPLE)
  set(HALVEX_PROGRAM_DIR ${CMAKE_INSTALL_LIBDIR}/halvex)
  # The launcher finds the program by its place relative to the launcher's own,
  # so that it follows the library folder and a prefix given at install time.
  file(RELATIVE_PATH HALVEX_PROGRAM_FROM_BINDIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_LIBDIR}/halvex)
  configure_file(resources/desktop/halvex-launcher.sh.in ${PROJECT_BINARY_DIR}/halvex-launcher.sh @ONLY)
  install(PROGRAMS ${PROJECT_BINARY_DIR}/halvex-launcher.sh DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME halvex)
  install(FILES resources/desktop/org.ostrevane.Halvex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/desktop/org.ostrevane.Halvex.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size IN LISTS HALVEX_ICON_SIZES)
    install(FILES ${HALVEX_ICON_DIR}/halvex-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME halvex.png)
  endforeach()
else()
  set(HALVEX_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
endif()

install(TARGETS halvex RUNTIME DESTINATION ${HALVEX_PROGRAM_DIR})
install(TARGETS halvex_printing LIBRARY DESTINATION ${HALVEX_PROGRAM_DIR})
install(DIRECTORY resources/Help DESTINATION ${HALVEX_PROGRAM_DIR})
install(FILES resources/License.txt DESTINATION ${HALVEX_PROGRAM_DIR})
install(TARGETS halvex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(CPACK_PACKAGE_NAME halvex)
set(CPACK_PACKAGE_VENDOR "Ostrevane Software")
set(CPACK_PACKAGE_CONTACT "Ostrevane Software <${HALVEX_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Read and teach arterial blood gases")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/resources/License.txt)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found by no library lookup: the window-system plugins, and the metric twin of Arial.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# Qt's own buttons and dialogs in French when the interface is French.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Read and teach arterial blood gases
 Halvex names the acid/base category of an arterial blood gas and grades its
 hypoxemia. In teacher mode it makes random blood gases and keeps score, and it
 prints exercise sheets with their answers. Designed for teaching purposes only.")
include(CPack)
