if(TARGET tidebolt_duel)
  tidebolt_test(tst_lan SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_lan.cpp ${CMAKE_SOURCE_DIR}/tests/support/simulatedlan.h
                LIBS tidebolt_qt TIMEOUT 400)
  target_compile_definitions(tst_lan PRIVATE TIDEBOLT_DUEL_PATH="$<TARGET_FILE:tidebolt_duel>"
                             TIDEBOLT_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_dependencies(tst_lan tidebolt_duel)
endif()
