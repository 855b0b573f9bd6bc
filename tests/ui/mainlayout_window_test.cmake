# The captions once more at a device-pixel scale of 2.
add_test(NAME ${group}/${name}_scale2 COMMAND ${name} captionsFitAtAnyFont)
set_tests_properties(${group}/${name}_scale2 PROPERTIES ENVIRONMENT "${TEST_ENV};QT_SCALE_FACTOR=2" TIMEOUT 600)
