tidebolt_test(tst_netgame SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_netgame.cpp ${CMAKE_CURRENT_LIST_DIR}/netfixture.h ${CMAKE_CURRENT_LIST_DIR}/wirebytes.h LIBS tidebolt_qt NETWORK TIMEOUT 600)
