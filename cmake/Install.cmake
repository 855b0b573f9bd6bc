# What `cmake --install` puts where. The program keeps its settings and finds
# its help in its own folder, so it gets a folder of its own:
#
#   <prefix>/lib/brimfold/brimfold            the program
#   <prefix>/lib/brimfold/brimfold-count      the command-line counter, beside it
#   <prefix>/lib/brimfold/brimfold-report     the report of its result files, beside it
#   <prefix>/lib/brimfold/Brimfold.chm        its help file
#   <prefix>/lib/brimfold/Settings/           its settings folder (made here: the program never makes it)
#   <prefix>/bin/brimfold, brimfold-count, brimfold-report   launchers: links to the programs
#   <prefix>/share/applications/brimfold.desktop
#   <prefix>/share/icons/hicolor/NxN/apps/brimfold.png
#   <prefix>/share/man/man1/brimfold.1.gz, brimfold-count.1.gz, brimfold-report.1.gz, <prefix>/share/doc/brimfold/
#   <prefix>/share/metainfo/brimfold.metainfo.xml
#   <prefix>/share/bash-completion/completions/brimfold-count, brimfold-report
#
# The Debian package (cmake/Package.cmake) replaces the Settings folder by a
# link to a shared, group-writable folder under /var/lib.

include(GNUInstallDirs)

set(BRIMFOLD_INSTALL_PROGRAMDIR "lib/brimfold" CACHE STRING
    "Folder of the program, its help and its Settings folder, relative to the prefix")

install(TARGETS brimfold brimfold-count brimfold-report RUNTIME DESTINATION ${BRIMFOLD_INSTALL_PROGRAMDIR})
if(BRIMFOLD_HELP_FILE)
  install(FILES ${BRIMFOLD_HELP_FILE} DESTINATION ${BRIMFOLD_INSTALL_PROGRAMDIR})
endif()
install(DIRECTORY DESTINATION ${BRIMFOLD_INSTALL_PROGRAMDIR}/Settings)

# The launchers on PATH are relative links, so the installed tree can be moved.
# The program resolves its link and still finds its own folder.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install)
foreach(program brimfold brimfold-count brimfold-report)
  file(RELATIVE_PATH brimfold_launcher_target
       /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${BRIMFOLD_INSTALL_PROGRAMDIR}/${program})
  set(brimfold_launcher ${CMAKE_BINARY_DIR}/install/${program})
  file(CREATE_LINK ${brimfold_launcher_target} ${brimfold_launcher} SYMBOLIC)
  install(FILES ${brimfold_launcher} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/brimfold-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME brimfold.png)
endforeach()

# Manual pages and the change log go in compressed, as Debian's policy asks
# (-n: the same bytes at every build).
set(brimfold_compressed)
foreach(file brimfold.1 brimfold-count.1 brimfold-report.1 changelog)
  set(compressed ${CMAKE_BINARY_DIR}/compressed/${file}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/compressed
    COMMAND sh -c "gzip -9n -c '${CMAKE_SOURCE_DIR}/packaging/${file}' > '${compressed}'"
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${file} VERBATIM)
  list(APPEND brimfold_compressed ${compressed})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${brimfold_compressed})
install(FILES ${CMAKE_BINARY_DIR}/compressed/brimfold.1.gz ${CMAKE_BINARY_DIR}/compressed/brimfold-count.1.gz
              ${CMAKE_BINARY_DIR}/compressed/brimfold-report.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brimfold)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/brimfold.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/completion/brimfold-count ${CMAKE_SOURCE_DIR}/packaging/completion/brimfold-report
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
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
