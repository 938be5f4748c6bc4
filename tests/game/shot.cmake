tidebolt_test(tst_shot SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_shot.cpp LIBS tidebolt_core)
