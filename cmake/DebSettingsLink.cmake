# CPack pre-build script: in the staged package tree, <program folder>/Settings
# becomes a link to the shared settings folder the maintainer scripts create.
set(staged_settings "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_BRIMFOLD_SETTINGS_PATH}")
if(NOT IS_DIRECTORY "${staged_settings}" OR IS_SYMLINK "${staged_settings}")
  message(FATAL_ERROR "No staged settings folder at ${staged_settings}")
endif()
file(REMOVE_RECURSE "${staged_settings}")
file(CREATE_LINK "${CPACK_BRIMFOLD_SETTINGS_TARGET}" "${staged_settings}" SYMBOLIC)
