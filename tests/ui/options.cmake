tidebolt_test(tst_optionsdlg
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_optionsdlg.cpp
  LIBS tidebolt_qt)
