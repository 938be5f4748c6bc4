# The placement dialog as it shows on a 1920 x 1080 screen at 100 % to
# 200 %. Opened on its own, it takes the largest multiple of its 374 x 358
# frame for which the dialog (the frame, 11 pixels around it, and a title
# bar of 36 with borders of 4) fits the screen: 2x everywhere. At 100 % the
# 3x frame alone is 1074 lines; at 125 % 3x needs 860 + 22 + 40 of the 864
# logical lines, at 150 % 717 + 22 + 40 of 720, at 200 % 538 + 22 + 40 of 540.
tidebolt_test(tst_placeshipsdlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_placeshipsdlg.cpp LIBS tidebolt_qt)
get_test_property(tst_placeshipsdlg ENVIRONMENT placeships_env)
list(FILTER placeships_env EXCLUDE REGEX "^QT_QPA_PLATFORM=")
set_property(TEST tst_placeshipsdlg APPEND PROPERTY ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screen1080.json;TIDEBOLT_MULTIPLE=2")
foreach(run "125;1.25" "150;1.5" "200;2")
  list(GET run 0 name)
  list(GET run 1 scale)
  add_test(NAME tst_placeshipsdlg_${name} COMMAND tst_placeshipsdlg)
  set_tests_properties(tst_placeshipsdlg_${name} PROPERTIES
    ENVIRONMENT "${placeships_env};QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_LIST_DIR}/screen1080.json;QT_SCREEN_SCALE_FACTORS=${scale};TIDEBOLT_MULTIPLE=2"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} TIMEOUT 300)
endforeach()
tidebolt_test(tst_namedlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_namedlg.cpp LIBS tidebolt_qt)
tidebolt_test(tst_picturedlgs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_picturedlgs.cpp LIBS tidebolt_qt)
