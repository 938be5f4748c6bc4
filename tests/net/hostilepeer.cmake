tidebolt_test(tst_hostilepeer
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_hostilepeer.cpp
  LIBS tidebolt_qt NETWORK TIMEOUT 300)
