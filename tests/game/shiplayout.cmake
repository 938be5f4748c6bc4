tidebolt_test(tst_shiplayout SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_shiplayout.cpp LIBS tidebolt_core)
