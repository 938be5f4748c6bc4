tidebolt_test(tst_boarddraw SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_boarddraw.cpp LIBS tidebolt_qt)
