tidebolt_test(tst_fontmatch SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_fontmatch.cpp LIBS tidebolt_qt)
