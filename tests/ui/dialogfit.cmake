tidebolt_test(tst_dialogfit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dialogfit.cpp LIBS tidebolt_qt)
