tidebolt_test(tst_netsession SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_netsession.cpp ${CMAKE_CURRENT_LIST_DIR}/wirebytes.h LIBS tidebolt_core)
