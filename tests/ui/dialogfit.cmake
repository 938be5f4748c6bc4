tidebolt_test(tst_dialogfit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_dialogfit.cpp LIBS tidebolt_qt)
target_compile_definitions(tst_dialogfit PRIVATE I18N_DIR="${CMAKE_SOURCE_DIR}/i18n")
