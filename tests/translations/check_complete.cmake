# Fails when a catalogue lacks a translation: lupdate reads the sources into a copy of each
# checked-in catalogue, so a text new in the code shows up as an unfinished entry there,
# beside the entries still unfinished or empty. The checked-in files are left as they are.
#
# cmake -DLUPDATE=path -DSOURCES=list-file -DINCLUDE=dir -DTS_FILES=a.ts;b.ts -DWORK=dir
#       [-DOPTIONS=-locations;none] -P check_complete.cmake
foreach(variable LUPDATE SOURCES INCLUDE TS_FILES WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "check_complete.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(failures "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  if(NOT EXISTS "${ts}")
    string(APPEND failures "${name}: missing\n")
    continue()
  endif()
  file(COPY_FILE "${ts}" "${WORK}/${name}")
  execute_process(
    COMMAND "${LUPDATE}" -silent ${OPTIONS} "@${SOURCES}" -I "${INCLUDE}" -ts "${WORK}/${name}"
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    string(APPEND failures "${name}: lupdate failed (${status}): ${errors}\n")
    continue()
  endif()
  file(READ "${WORK}/${name}" catalogue)
  # A CMake list splits at semicolons: none may stay in the texts matched below.
  string(REPLACE ";" "," catalogue "${catalogue}")
  # Only the messages the code still has count: vanished and obsolete ones are history.
  string(REGEX REPLACE "<translation type=\"(vanished|obsolete)\">[^<]*</translation>" ""
         catalogue "${catalogue}")
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<(extra)?comment>[^<]*</(extra)?comment>[^<]*)*<translation type=\"unfinished\""
         unfinished "${catalogue}")
  string(REGEX MATCHALL "<translation>(<numerusform></numerusform>|[ \n])*</translation>|<translation></translation>|<translation/>|<numerusform></numerusform>"
         empty "${catalogue}")
  list(LENGTH unfinished unfinished_count)
  list(LENGTH empty empty_count)
  if(unfinished_count GREATER 0 OR empty_count GREATER 0)
    string(APPEND failures
           "${name}: ${unfinished_count} unfinished or new, ${empty_count} empty\n")
    list(SUBLIST unfinished 0 5 first)
    foreach(entry IN LISTS first)
      string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" source "${entry}")
      string(APPEND failures "    ${source}\n")
    endforeach()
  endif()
endforeach()
if(NOT failures STREQUAL "")
  message(FATAL_ERROR "Catalogues that are not complete:\n${failures}"
          "Translate these entries (translations/glossary.md lists the terms), after running "
          "the update_translations target where a text is new.")
endif()
message(STATUS "Every catalogue has every text translated: ${TS_FILES}")
