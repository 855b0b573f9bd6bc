# libtiff is the peer the page counter is timed against.
target_link_libraries(${name} PRIVATE tiff)
