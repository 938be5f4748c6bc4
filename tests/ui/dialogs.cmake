# The placement dialog as it shows on a 1920 x 1080 screen at 100 % to
# 200 %. Opened on its own, it takes the largest multiple of its 374 x 358
# frame for which the dialog (the frame, 11 pixels around it, and a title
# bar of 36 with borders of 4) fits the screen: 2x everywhere. At 100 % the
# 3x frame alone is 1074 lines; at 125 % 3x needs 860 + 22 + 40 of the 864
# logical lines, at 150 % 717 + 22 + 40 of 720, at 200 % 538 + 22 + 40 of 540.
# The plain run's screen, offscreen's 800 x 600, has no room for 2x (739 + 40).
tidebolt_test(tst_placeshipsdlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_placeshipsdlg.cpp LIBS tidebolt_qt)
set_property(TEST tst_placeshipsdlg APPEND PROPERTY ENVIRONMENT "TIDEBOLT_MULTIPLE=1")
foreach(run "100;1" "125;1.25" "150;1.5" "200;2")
  list(GET run 0 name)
  list(GET run 1 scale)
  tidebolt_screen_run(tst_placeshipsdlg ${name} 1080 ${scale} TIDEBOLT_MULTIPLE=2)
endforeach()
tidebolt_test(tst_namedlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_namedlg.cpp LIBS tidebolt_qt)
tidebolt_test(tst_picturedlgs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_picturedlgs.cpp LIBS tidebolt_qt)
