# Every fuzz target, built with the ordinary toolchain under a name of its own.
foreach(target delimitedtext inifile pagecounter pathcodec)
  set(target_source ${CMAKE_SOURCE_DIR}/fuzz/${target}_fuzz.cpp)
  target_sources(${name} PRIVATE ${target_source})
  set_source_files_properties(${target_source} TARGET_DIRECTORY ${name}
                              PROPERTIES COMPILE_DEFINITIONS FUZZ_ENTRY=${target}FuzzEntry)
endforeach()
target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
target_compile_definitions(${name} PRIVATE BRIMFOLD_FUZZ_FOLDER="${CMAKE_SOURCE_DIR}/fuzz")
