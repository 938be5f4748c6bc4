# The main window as it really shows on a 1920 x 1080 screen at 100 % to
# 200 %, and maximised on a 2560 x 1440 one. The multiple each run must show
# is worked out by hand: the board is 750 x 509 pixels, the menu bar 19
# logical pixels here, and a title bar of 36 with borders of 4 must fit too.
# At 100 % 2x takes 1019 + 19 + 40 = 1078 of the 1080 lines; at 125 % and
# more the 1018 device lines of a 2x board alone leave no room for bar and
# title, so those show 1x. Maximised on 1440 lines 2x fits and 3x (1527
# lines) does not.
tidebolt_test(tst_framedraw SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_framedraw.cpp LIBS tidebolt_qt)
get_test_property(tst_framedraw ENVIRONMENT framedraw_env)
list(FILTER framedraw_env EXCLUDE REGEX "^QT_QPA_PLATFORM=")
set_property(TEST tst_framedraw APPEND PROPERTY ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screen1080.json;QT_SCREEN_SCALE_FACTORS=1.25;TIDEBOLT_MULTIPLE=1")
foreach(run "100;1080;1;2;" "150;1080;1.5;1;" "200;1080;2;1;" "1440_maximised;1440;1;2;TIDEBOLT_MAXIMISED=1")
  list(GET run 0 name)
  list(GET run 1 screen)
  list(GET run 2 scale)
  list(GET run 3 multiple)
  list(GET run 4 extra)
  add_test(NAME tst_framedraw_${name} COMMAND tst_framedraw)
  set_tests_properties(tst_framedraw_${name} PROPERTIES
    ENVIRONMENT "${framedraw_env};QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screen${screen}.json;QT_SCREEN_SCALE_FACTORS=${scale};TIDEBOLT_MULTIPLE=${multiple};${extra}"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} TIMEOUT 300)
endforeach()
