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
tidebolt_screen_run(tst_framedraw 100 1080 1 TIDEBOLT_MULTIPLE=2)
tidebolt_screen_run(tst_framedraw 150 1080 1.5 TIDEBOLT_MULTIPLE=1)
tidebolt_screen_run(tst_framedraw 200 1080 2 TIDEBOLT_MULTIPLE=1)
tidebolt_screen_run(tst_framedraw 1440_maximised 1440 1 TIDEBOLT_MULTIPLE=2 TIDEBOLT_MAXIMISED=1)
