tidebolt_test(tst_fleetcheck SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_fleetcheck.cpp ${CMAKE_CURRENT_LIST_DIR}/wirebytes.h LIBS tidebolt_core)
