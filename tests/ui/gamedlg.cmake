tidebolt_test(tst_gamedlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_gamedlg.cpp LIBS tidebolt_qt TIMEOUT 600)
# The sizes the desktop entry installs, which the window's icon must offer too.
target_compile_definitions(tst_gamedlg PRIVATE TIDEBOLT_DESKTOP_ICONS="${CMAKE_SOURCE_DIR}/dist/icons/hicolor")
