tidebolt_test(tst_fleetcheck SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_fleetcheck.cpp LIBS tidebolt_core)
