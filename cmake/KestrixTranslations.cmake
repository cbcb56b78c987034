# The dialogs' translations: every dialogs/translations/kxsdkdialogs_<language>.ts is compiled
# into a .qm that the library carries as a Qt resource under KX_TRANSLATIONS_RESOURCE_PREFIX
# and that is installed under share/kestrix/translations for hosts that load translations from
# files. The update_translations target runs lupdate over the library's sources into the .ts
# files. Qt's translation tools are optional for the library: without them it is built with
# its English texts only. The tests check the translations, so they need the tools.
set(KX_TRANSLATIONS_RESOURCE_PREFIX /kestrix/translations)
set(KX_TRANSLATIONS_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/kestrix/translations)
target_compile_definitions(kxsdkdialogs PRIVATE
    KX_TRANSLATIONS_RESOURCE_DIRECTORY=":${KX_TRANSLATIONS_RESOURCE_PREFIX}")

if(KESTRIX_BUILD_TESTS)
    find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
else()
    find_package(Qt6 6.4 QUIET COMPONENTS LinguistTools)
endif()
if(NOT Qt6LinguistTools_FOUND)
    message(STATUS "Qt's LinguistTools were not found: the dialogs are built without translations")
    return()
endif()

file(GLOB KX_TRANSLATION_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/dialogs/translations/kxsdkdialogs_*.ts)
# lupdate reads the project's own headers to learn the classes (and so the contexts) of tr();
# given Qt's and the system's include paths as well, it would parse all of those for minutes.
# Locations would make every edit of a source file an edit of every .ts file; obsolete texts
# are dropped rather than kept, so that a .ts holds what the sources show and nothing else.
qt_add_translations(kxsdkdialogs
    TS_FILES ${KX_TRANSLATION_FILES}
    RESOURCE_PREFIX ${KX_TRANSLATIONS_RESOURCE_PREFIX}
    INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/host
    LUPDATE_OPTIONS -locations none -no-obsolete)

# lrelease writes each .qm into the current binary directory under the name of its .ts.
foreach(ts_file ${KX_TRANSLATION_FILES})
    get_filename_component(qm_name ${ts_file} NAME_WLE)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${qm_name}.qm DESTINATION ${KX_TRANSLATIONS_INSTALL_DIR})
endforeach()
