tidebolt_test(tst_catalogue SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_catalogue.cpp LIBS tidebolt_qt)
