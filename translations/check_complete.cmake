# Fails when a text of the program has no finished translation in TS_FILE. lupdate brings a
# copy of the file up to date with the sources, so a text added to the code without a
# translation counts as well as one left unfinished.
file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(name ${TS_FILE} NAME)
set(copy ${WORK_DIR}/${name})
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(
    COMMAND ${LUPDATE} @${SOURCE_LIST} -ts ${copy} -no-obsolete -locations none
            -tr-function-alias QT_TRANSLATE_NOOP+=SHOWN_TEXT
    RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}")
endif()
file(READ ${copy} content)
string(REGEX MATCHALL "type=\"unfinished\"" marks "${content}")
list(LENGTH marks count)
if(count GREATER 0)
    # Name the texts: each source that an unfinished translation follows.
    string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"unfinished\""
           unfinished "${content}")
    string(REGEX REPLACE "</source>[^;]*unfinished\"" "" unfinished "${unfinished}")
    string(REPLACE "<source>" "\n  " unfinished "${unfinished}")
    message(FATAL_ERROR "${name}: ${count} text(s) without a finished translation:${unfinished}")
endif()
