tidebolt_test(tst_language SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_language.cpp LIBS tidebolt_qt)
target_compile_definitions(tst_language PRIVATE I18N_DIR="${CMAKE_SOURCE_DIR}/i18n")
