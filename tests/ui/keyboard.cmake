tidebolt_test(tst_keyboard SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_keyboard.cpp LIBS tidebolt_qt)
