tidebolt_test(tst_netchat SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_netchat.cpp ${CMAKE_CURRENT_LIST_DIR}/wirebytes.h LIBS tidebolt_core)
