tidebolt_test(tst_scoresdlg
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_scoresdlg.cpp
  LIBS tidebolt_qt)
