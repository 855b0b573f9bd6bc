# What `cmake --install` puts where. The program keeps its settings and finds
# its help in its own folder, so it gets a folder of its own:
#
#   <prefix>/lib/brimfold/brimfold            the program
#   <prefix>/lib/brimfold/Brimfold.chm        its help file
#   <prefix>/lib/brimfold/Settings/           its settings folder (made here: the program never makes it)
#   <prefix>/bin/brimfold                     launcher: a link to the program
#   <prefix>/share/applications/brimfold.desktop
#   <prefix>/share/icons/hicolor/NxN/apps/brimfold.png
#   <prefix>/share/man/man1/brimfold.1, <prefix>/share/doc/brimfold/
#
# The Debian package (cmake/Package.cmake) replaces the Settings folder by a
# link to a shared, group-writable folder under /var/lib.

include(GNUInstallDirs)

set(BRIMFOLD_INSTALL_PROGRAMDIR "lib/brimfold" CACHE STRING
    "Folder of the program, its help and its Settings folder, relative to the prefix")

install(TARGETS brimfold RUNTIME DESTINATION ${BRIMFOLD_INSTALL_PROGRAMDIR})
if(BRIMFOLD_HELP_FILE)
  install(FILES ${BRIMFOLD_HELP_FILE} DESTINATION ${BRIMFOLD_INSTALL_PROGRAMDIR})
endif()
install(DIRECTORY DESTINATION ${BRIMFOLD_INSTALL_PROGRAMDIR}/Settings)

# The launcher on PATH is a relative link, so the installed tree can be moved.
# The program resolves it and still finds its own folder.
file(RELATIVE_PATH brimfold_launcher_target
     /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${BRIMFOLD_INSTALL_PROGRAMDIR}/brimfold)
set(brimfold_launcher ${CMAKE_BINARY_DIR}/install/brimfold)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
file(CREATE_LINK ${brimfold_launcher_target} ${brimfold_launcher} SYMBOLIC)
install(FILES ${brimfold_launcher} DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/brimfold-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME brimfold.png)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/packaging/brimfold.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brimfold)

# The menu entry names the program by its installed path, which is known only
# when installing (`--prefix`, or the package's prefix under DESTDIR).
install(CODE "
  include(\"${CMAKE_SOURCE_DIR}/cmake/DesktopExec.cmake\")
  brimfold_desktop_exec(\"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/brimfold\" BRIMFOLD_EXEC)
  set(brimfold_desktop_entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/brimfold.desktop\")
  message(STATUS \"Installing: \${brimfold_desktop_entry}\")
  configure_file(\"${CMAKE_SOURCE_DIR}/packaging/brimfold.desktop.in\" \"\${brimfold_desktop_entry}\" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${brimfold_desktop_entry}\")
")
