# The main window as it really shows on a desktop scaled to 125 % and 150 %,
# each scale asked for in one of the two ways a desktop sets it.
tidebolt_test(tst_framedraw SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_framedraw.cpp LIBS tidebolt_qt)
set_property(TEST tst_framedraw APPEND PROPERTY ENVIRONMENT QT_SCREEN_SCALE_FACTORS=1.25)
add_test(NAME tst_framedraw_150 COMMAND tst_framedraw)
get_test_property(tst_framedraw ENVIRONMENT framedraw_env)
list(FILTER framedraw_env EXCLUDE REGEX "^QT_SCREEN_SCALE_FACTORS=")
set_tests_properties(tst_framedraw_150 PROPERTIES
  ENVIRONMENT "${framedraw_env};QT_FONT_DPI=144"
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR} TIMEOUT 300)
