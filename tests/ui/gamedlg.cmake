tidebolt_test(tst_gamedlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_gamedlg.cpp LIBS tidebolt_qt TIMEOUT 600)
