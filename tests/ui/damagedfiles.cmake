tidebolt_test(tst_damagedfiles SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_damagedfiles.cpp LIBS tidebolt_qt)
