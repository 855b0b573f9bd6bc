# The install test installs this build folder: build the program and its help first.
add_dependencies(${name} brimfold brimfold-count brimfold-report compressed_docs)
target_compile_definitions(${name} PRIVATE
  BRIMFOLD_BUILD_DIR="${CMAKE_BINARY_DIR}"
  BRIMFOLD_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  BRIMFOLD_CMAKE="${CMAKE_COMMAND}")
