# Installs the build into a fresh folder and checks that the program finds its
# documents beside it and that the desktop files validate.
# Run with -DBUILD_DIR=... -DPREFIX=...
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "install failed")
endif()

foreach(path
    bin/halvex bin/halvex-cli lib/halvex/halvex lib/halvex/Help/HALVEX.html lib/halvex/License.txt
    share/applications/org.ostrevane.Halvex.desktop share/metainfo/org.ostrevane.Halvex.metainfo.xml
    share/icons/hicolor/16x16/apps/halvex.png share/icons/hicolor/48x48/apps/halvex.png
    share/icons/hicolor/256x256/apps/halvex.png)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "missing after install: ${path}")
  endif()
endforeach()

find_program(DESKTOP_VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND ${DESKTOP_VALIDATE} ${PREFIX}/share/applications/org.ostrevane.Halvex.desktop
                RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed OR said MATCHES "error")
  message(FATAL_ERROR "desktop entry: ${said}")
endif()
find_program(APPSTREAMCLI appstreamcli REQUIRED)
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${PREFIX}/share/metainfo/org.ostrevane.Halvex.metainfo.xml
                RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(failed)
  message(FATAL_ERROR "AppStream metadata: ${said}")
endif()

# The installed command line runs from its new place.
execute_process(COMMAND ${PREFIX}/bin/halvex-cli --version RESULT_VARIABLE failed OUTPUT_VARIABLE said)
if(failed OR NOT said MATCHES "^halvex-cli ")
  message(FATAL_ERROR "installed halvex-cli: ${said}")
endif()
