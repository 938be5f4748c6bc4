# The main window as it really shows on a desktop scaled to 125 %, 150 % and
# 200 %, the scale asked for in either of the two ways a desktop sets it.
tidebolt_test(tst_framedraw SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_framedraw.cpp LIBS tidebolt_qt)
set_property(TEST tst_framedraw APPEND PROPERTY ENVIRONMENT QT_SCREEN_SCALE_FACTORS=1.25)
get_test_property(tst_framedraw ENVIRONMENT framedraw_env)
list(FILTER framedraw_env EXCLUDE REGEX "^QT_SCREEN_SCALE_FACTORS=")
foreach(scale "150;QT_FONT_DPI=144" "200;QT_SCREEN_SCALE_FACTORS=2")
  list(GET scale 0 percent)
  list(GET scale 1 setting)
  add_test(NAME tst_framedraw_${percent} COMMAND tst_framedraw)
  set_tests_properties(tst_framedraw_${percent} PROPERTIES
    ENVIRONMENT "${framedraw_env};${setting}"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} TIMEOUT 300)
endforeach()
