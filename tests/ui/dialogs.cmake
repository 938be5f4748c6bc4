tidebolt_test(tst_placeshipsdlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_placeshipsdlg.cpp LIBS tidebolt_qt)
tidebolt_test(tst_namedlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_namedlg.cpp LIBS tidebolt_qt)
tidebolt_test(tst_picturedlgs SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_picturedlgs.cpp LIBS tidebolt_qt)
