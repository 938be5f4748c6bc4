tidebolt_test(tst_qtlanguage SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_qtlanguage.cpp LIBS tidebolt_qt)
