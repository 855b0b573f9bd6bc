# The test runs the built counter.
add_dependencies(${name} brimfold-count)
target_compile_definitions(${name} PRIVATE BRIMFOLD_COUNT="$<TARGET_FILE:brimfold-count>")
# The share simulator, beside the checkout; its test is skipped without it.
target_compile_definitions(${name} PRIVATE NETSHARE="${CMAKE_SOURCE_DIR}/../shared/tools/netshare.sh")
