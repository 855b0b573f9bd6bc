# The test runs the built program.
add_dependencies(${name} brimfold-count)
add_dependencies(${name} brimfold-report)
target_compile_definitions(${name} PRIVATE BRIMFOLD_COUNT="$<TARGET_FILE:brimfold-count>"
                                           BRIMFOLD_REPORT="$<TARGET_FILE:brimfold-report>")
