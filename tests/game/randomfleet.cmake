tidebolt_test(tst_randomfleet SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_randomfleet.cpp LIBS tidebolt_core)
