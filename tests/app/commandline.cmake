tidebolt_test(tst_commandline SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_commandline.cpp LIBS tidebolt_cli)
target_compile_definitions(tst_commandline PRIVATE TIDEBOLT_EXPECTED_VERSION="${PROJECT_VERSION}")
