tidebolt_test(tst_cp1251 SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_cp1251.cpp LIBS tidebolt_core)
