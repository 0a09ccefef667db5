# Fails when a text of the desktop program is left untranslated. Runs lupdate over
# the program's sources into a copy of the committed catalogue: the copy must come
# out unchanged (no text added or dropped since the catalogue was updated) and
# without an unfinished message. Also refuses Chinese text in QStringLiteral,
# which lupdate cannot see.
#   cmake -DLUPDATE=... -DSOURCE_DIR=<repo> -DTS_FILE=... -DWORK_DIR=... -P check_translations.cmake
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/ovelin_en.ts)
configure_file(${TS_FILE} ${copy} COPYONLY)
execute_process(COMMAND ${LUPDATE} src/shell -I src -ts ${copy} -no-obsolete -locations none
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

file(READ ${TS_FILE} committed)
file(READ ${copy} updated)
set(faults "")
if(NOT committed STREQUAL updated)
  string(APPEND faults "lupdate changed the catalogue (texts were added or dropped):\n${output}\nupdate it with: "
         "lupdate src/shell -I src -ts resources/translations/ovelin_en.ts -no-obsolete -locations none\n")
endif()
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" unfinished "${updated}")
if(unfinished)
  string(APPEND faults "untranslated: ${unfinished}\n")
endif()

# A Chinese character is three bytes in UTF-8; ideographs lead with 0xE4 to 0xE9.
string(ASCII 228 first)
string(ASCII 233 last)
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/shell/*.cpp ${SOURCE_DIR}/src/shell/*.h)
foreach(source ${sources})
  file(READ ${source} text)
  string(REGEX MATCHALL "QStringLiteral\\(\"[^\"]*[${first}-${last}][^\"]*\"\\)" literal "${text}")
  if(literal)
    string(APPEND faults "${source}: Chinese text outside tr(): ${literal}\n")
  endif()
endforeach()

if(faults)
  message(FATAL_ERROR "${faults}")
endif()
