# The languages the window's texts are translated to, a catalogue translations/trivane_LANG.ts
# each (LANG as Qt names the locale: de, pt_BR, zh_CN). Add a language here.
set(TRIVANE_LANGUAGES de es fr pt_BR zh_CN ru)

set(TRIVANE_TS_FILES)
foreach(language IN LISTS TRIVANE_LANGUAGES)
  list(APPEND TRIVANE_TS_FILES ${PROJECT_SOURCE_DIR}/translations/trivane_${language}.ts)
endforeach()

# Every source whose code may show a text. In Qt 6.4 lupdate reads only the sources it is
# given, so each library is listed, not just the target the catalogues are compiled into.
file(GLOB TRIVANE_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/form/*.cpp ${PROJECT_SOURCE_DIR}/form/*.h
  ${PROJECT_SOURCE_DIR}/toolkit/*.cpp ${PROJECT_SOURCE_DIR}/toolkit/*.h
  ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
  ${PROJECT_SOURCE_DIR}/tools/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.h)

# lupdate's options, the same for the update_translations target and the completeness test:
# no source locations, so a catalogue changes only where a text does.
set(TRIVANE_LUPDATE_OPTIONS -locations none)
