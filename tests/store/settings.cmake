tidebolt_test(tst_settings
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settings.cpp
          ${CMAKE_SOURCE_DIR}/store/qt/qsettingsprofile.cpp
  LIBS tidebolt_core Qt6::Core)
