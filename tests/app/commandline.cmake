# The test builds its own copy with a version of its own: the answer must be
# the build's version, whatever it is, never a fixed text.
tidebolt_test(tst_commandline SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_commandline.cpp ${CMAKE_SOURCE_DIR}/app/commandline.cpp)
target_compile_definitions(tst_commandline PRIVATE TIDEBOLT_VERSION="7.3.1-test" TIDEBOLT_EXPECTED_VERSION="7.3.1-test")
