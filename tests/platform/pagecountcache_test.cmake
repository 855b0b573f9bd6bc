# The test runs the built counter.
add_dependencies(${name} brimfold-count)
target_compile_definitions(${name} PRIVATE BRIMFOLD_COUNT="$<TARGET_FILE:brimfold-count>")
