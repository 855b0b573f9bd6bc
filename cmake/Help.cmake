# Builds the help file Brimfold.chm from the pages in help/ with chmcmd (Debian
# package fp-utils) and puts it beside the built program, where the Help menu
# looks for it.

find_program(BRIMFOLD_CHMCMD chmcmd)
set(BRIMFOLD_HELP_FILE "")

if(NOT BRIMFOLD_CHMCMD)
  message(WARNING "chmcmd not found (Debian package fp-utils): Brimfold.chm will not be built")
  return()
endif()

file(GLOB BRIMFOLD_HELP_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/help/*.html ${CMAKE_SOURCE_DIR}/help/*.css
  ${CMAKE_SOURCE_DIR}/help/*.hhc ${CMAKE_SOURCE_DIR}/help/*.hhk ${CMAKE_SOURCE_DIR}/help/*.hhp)
set(BRIMFOLD_HELP_PICTURE ${CMAKE_SOURCE_DIR}/resources/icons/brimfold-32.png)

get_target_property(BRIMFOLD_PROGRAM_OUTPUT_DIR brimfold RUNTIME_OUTPUT_DIRECTORY)
set(BRIMFOLD_HELP_FILE ${BRIMFOLD_PROGRAM_OUTPUT_DIR}/Brimfold.chm)
set(help_stage ${CMAKE_BINARY_DIR}/help)

# chmcmd writes the file beside its project: compile a fresh copy of the pages
# in the build folder, then move the result next to the program.
add_custom_command(
  OUTPUT ${BRIMFOLD_HELP_FILE}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${help_stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${help_stage}
  COMMAND ${CMAKE_COMMAND} -E copy ${BRIMFOLD_HELP_SOURCES} ${BRIMFOLD_HELP_PICTURE} ${help_stage}
  COMMAND ${CMAKE_COMMAND} -E chdir ${help_stage} ${BRIMFOLD_CHMCMD} --verbosity 0 Brimfold.hhp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${BRIMFOLD_PROGRAM_OUTPUT_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${help_stage}/Brimfold.chm ${BRIMFOLD_HELP_FILE}
  DEPENDS ${BRIMFOLD_HELP_SOURCES} ${BRIMFOLD_HELP_PICTURE}
  COMMENT "Compiling the help file Brimfold.chm"
  VERBATIM)
add_custom_target(brimfold_help DEPENDS ${BRIMFOLD_HELP_FILE})
# Building the program builds its help.
add_dependencies(brimfold brimfold_help)
