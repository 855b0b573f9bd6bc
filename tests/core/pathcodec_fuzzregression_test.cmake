# The fuzz target itself, built with the ordinary toolchain and replayed.
target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz/pathcodec_fuzz.cpp)
target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
target_compile_definitions(${name} PRIVATE BRIMFOLD_FUZZ_FOLDER="${CMAKE_SOURCE_DIR}/fuzz")
