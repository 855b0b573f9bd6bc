# libtiff is a peer the search is timed against.
target_link_libraries(${name} PRIVATE tiff)
