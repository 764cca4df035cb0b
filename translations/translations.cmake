# The program's translations: translations/tslq_<language>.ts, kept by Qt
# Linguist, compiled into tslq_<language>.qm beside tslq (translations/ in
# the build tree) and installed to share/tslq/translations, the two places
# the program looks. Included where the tslq target is made.
#
# The build never rewrites a .ts file. After a change of the texts in src/:
#   python3 scripts/check-translations.py --update
# (the test Translations.InSyncWithSources fails until that has been done).
set(TSLQ_TS_FILES
  ${PROJECT_SOURCE_DIR}/translations/tslq_de.ts
  ${PROJECT_SOURCE_DIR}/translations/tslq_ja.ts)
set_source_files_properties(${TSLQ_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/translations)
# qt_add_translations also makes a tslq_lupdate target; it is built only when
# asked for and reads the same sources with the same options as the script.
file(GLOB_RECURSE tslq_translated_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
qt_add_translations(tslq
  TS_FILES ${TSLQ_TS_FILES}
  SOURCES ${tslq_translated_sources}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  LUPDATE_OPTIONS -locations none
  QM_FILES_OUTPUT_VARIABLE TSLQ_QM_FILES)
install(FILES ${TSLQ_QM_FILES} DESTINATION share/tslq/translations)
