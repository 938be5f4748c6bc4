tidebolt_test(tst_netsetup SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_netsetup.cpp ${CMAKE_CURRENT_LIST_DIR}/netfixture.h ${CMAKE_CURRENT_LIST_DIR}/wirebytes.h LIBS tidebolt_qt NETWORK)
