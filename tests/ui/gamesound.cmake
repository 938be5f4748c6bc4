# Starts a PulseAudio server of its own and records its sink.
tidebolt_test(tst_gamesound
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_gamesound.cpp
  LIBS tidebolt_qt)
target_compile_definitions(tst_gamesound PRIVATE TIDEBOLT_DATA_DIR="${CMAKE_SOURCE_DIR}/Data")
