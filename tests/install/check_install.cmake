# Installs the build into a fresh folder and checks that the program finds its
# documents beside it, that the installed launcher starts it, and that the
# desktop files validate.
# Run with -DBUILD_DIR=... -DPREFIX=... -DLIBDIR=... (the library folder, relative to the prefix)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "install failed")
endif()

foreach(path
    bin/halvex bin/halvex-cli ${LIBDIR}/halvex/halvex ${LIBDIR}/halvex/halvex-printing.so
    ${LIBDIR}/halvex/Help/HALVEX.html ${LIBDIR}/halvex/License.txt
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
# One main category, so that a menu lists Halvex once.
file(READ ${PREFIX}/share/applications/org.ostrevane.Halvex.desktop entry)
string(REGEX MATCH "\nCategories=[^\n]*" categories "${entry}")
set(main_categories 0)
foreach(main AudioVideo Audio Video Development Education Game Graphics Network Office Science Settings System Utility)
  if(categories MATCHES "[=;]${main};")
    math(EXPR main_categories "${main_categories} + 1")
  endif()
endforeach()
if(NOT main_categories EQUAL 1)
  message(FATAL_ERROR "the desktop entry needs exactly one main category: ${categories}")
endif()
# The web site is written one way everywhere: with the http scheme.
file(READ ${PREFIX}/share/metainfo/org.ostrevane.Halvex.metainfo.xml metainfo)
if(metainfo MATCHES "https://www")
  message(FATAL_ERROR "the AppStream metadata writes the web site with another scheme")
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

# The installed launcher starts the program: once its window is shown it has
# written its settings (within 20 s, splash included); then it is stopped.
set(home ${PREFIX}/home)
set(settings "${home}/config/Ostrevane Software/Halvex.conf")
file(MAKE_DIRECTORY ${home})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen HOME=${home} XDG_CONFIG_HOME=${home}/config
          ASAN_OPTIONS=detect_leaks=0
          sh -c "\"$0\" & program=$!; i=0; while [ $i -lt 100 ] && [ ! -f \"$1\" ] && kill -0 $program 2>/dev/null; do sleep 0.2; i=$((i+1)); done; kill $program 2>/dev/null; wait $program"
          ${PREFIX}/bin/halvex ${settings}
  RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT EXISTS "${settings}")
  message(FATAL_ERROR "installed bin/halvex did not start (${result}): ${said}")
endif()
