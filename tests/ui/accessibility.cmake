tidebolt_test(tst_accessibility SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_accessibility.cpp LIBS tidebolt_qt)
