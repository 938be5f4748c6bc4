tidebolt_test(tst_records
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_records.cpp
          ${CMAKE_SOURCE_DIR}/store/qt/qsettingsprofile.cpp
  LIBS tidebolt_core Qt6::Core)
