tidebolt_test(tst_netqueue SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_netqueue.cpp LIBS tidebolt_core)
