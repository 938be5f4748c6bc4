tidebolt_test(tst_board SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_board.cpp LIBS tidebolt_core)
