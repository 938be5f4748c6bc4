tidebolt_test(tst_netparse SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_netparse.cpp ${CMAKE_CURRENT_LIST_DIR}/wirebytes.h LIBS tidebolt_core)
