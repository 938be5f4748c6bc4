# The wait cursor's file reader: plain C++, so it is built here on its own.
tidebolt_test(tst_anifile
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_anifile.cpp ${CMAKE_SOURCE_DIR}/ui/anifile.cpp
  LIBS Qt6::Gui)
target_compile_definitions(tst_anifile PRIVATE TIDEBOLT_DATA_DIR="${CMAKE_SOURCE_DIR}/Data")

tidebolt_test(tst_media
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_media.cpp
  LIBS tidebolt_qt)
target_compile_definitions(tst_media PRIVATE TIDEBOLT_DATA_DIR="${CMAKE_SOURCE_DIR}/Data")
target_compile_definitions(tst_media PRIVATE TIDEBOLT_INSTALL_BINDIR="${TIDEBOLT_INSTALL_BINDIR}"
                                             TIDEBOLT_INSTALL_DATADIR="${CMAKE_INSTALL_DATADIR}")

# The about box's clip reader: plain C++ too.
tidebolt_test(tst_avifile
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_avifile.cpp ${CMAKE_SOURCE_DIR}/ui/avifile.cpp)
target_compile_definitions(tst_avifile PRIVATE TIDEBOLT_DATA_DIR="${CMAKE_SOURCE_DIR}/Data")
