tidebolt_test(tst_computer SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_computer.cpp LIBS tidebolt_core)
