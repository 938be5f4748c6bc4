# The writer the test kills, and the test; both use the real INI profile.
add_executable(tidebolt_recordwriter
  ${CMAKE_CURRENT_LIST_DIR}/recordwriter.cpp
  ${CMAKE_SOURCE_DIR}/store/qt/qsettingsprofile.cpp)
target_include_directories(tidebolt_recordwriter PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(tidebolt_recordwriter PRIVATE tidebolt_core Qt6::Core)

tidebolt_test(tst_killedsave
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_killedsave.cpp
          ${CMAKE_SOURCE_DIR}/store/qt/qsettingsprofile.cpp
  LIBS tidebolt_core Qt6::Core)
target_compile_definitions(tst_killedsave PRIVATE RECORD_WRITER="$<TARGET_FILE:tidebolt_recordwriter>")
add_dependencies(tst_killedsave tidebolt_recordwriter)
