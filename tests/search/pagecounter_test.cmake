# Fixtures written by libtiff, and libtiff's own count to compare with.
target_link_libraries(${name} PRIVATE tiff)
