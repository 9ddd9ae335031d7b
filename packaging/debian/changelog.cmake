# Writes the Debian change log of the package from CHANGELOG.md, which stays the one place where
# changes are written down. Run as a script:
#
#   cmake -DCHANGELOG=CHANGELOG.md -DPACKAGE=name -DVERSION=1.0.0 "-DMAINTAINER=Name <address>"
#         -DOUTPUT=changelog -P changelog.cmake
#
# Only released entries, headed "## <version> (<yyyy-mm-dd>)", go in: the package is built at a
# release's version, and Debian's tools take the top entry of the change log for the version
# of the package. Everything under another heading ("## Unreleased") is left out. In an entry,
# a paragraph becomes an item (*), and a list after a paragraph becomes its sub-items (-); a
# list with no paragraph before it gives items of its own. Lines are wrapped to 78 columns.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/text_lines.cmake)
require_arguments(changelog.cmake CHANGELOG PACKAGE VERSION MAINTAINER OUTPUT)

read_lines("${CHANGELOG}" lines)
# Debian's change log is plain text: the Markdown code marks go.
string(REPLACE "`" "" lines "${lines}")

set(width 78)

# Appends ${words} to ${out}, wrapped, the first line after ${first}, the rest after ${rest}.
function(append_wrapped out first rest words)
    string(REGEX REPLACE "[ ]+" ";" words "${words}")
    set(result "${${out}}")
    set(line "${first}")
    set(line_has_word FALSE)
    foreach(word IN LISTS words)
        if(word STREQUAL "")
            continue()
        endif()
        string(LENGTH "${line} ${word}" length)
        if(line_has_word AND length GREATER width)
            string(APPEND result "${line}\n")
            set(line "${rest}${word}")
        elseif(line_has_word)
            string(APPEND line " ${word}")
        else()
            string(APPEND line "${word}")
        endif()
        set(line_has_word TRUE)
    endforeach()
    string(APPEND result "${line}\n")
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

# The day of the week of a date, for the signature line (Sakamoto's method).
function(weekday out year month day)
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR index "${month} - 1")
    list(GET offsets ${index} offset)
    if(month LESS 3)
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR number "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${offset} + ${day}) % 7")
    set(names Sun Mon Tue Wed Thu Fri Sat)
    list(GET names ${number} name)
    set(${out} ${name} PARENT_SCOPE)
endfunction()

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(result "")
set(entries 0)
set(in_release FALSE)
set(block_kind "")  # "paragraph" or "item" while a block is being gathered
set(block "")
set(entry_has_paragraph FALSE)
set(signature "")

macro(flush_block)
    if(block_kind STREQUAL "paragraph")
        append_wrapped(result "  * " "    " "${block}")
        set(entry_has_paragraph TRUE)
    elseif(block_kind STREQUAL "item" AND entry_has_paragraph)
        append_wrapped(result "    - " "      " "${block}")
    elseif(block_kind STREQUAL "item")
        append_wrapped(result "  * " "    " "${block}")
    endif()
    set(block_kind "")
    set(block "")
endmacro()

macro(close_entry)
    flush_block()
    if(in_release)
        string(APPEND result "\n -- ${MAINTAINER}  ${signature}\n")
    endif()
    set(in_release FALSE)
endmacro()

foreach(line IN LISTS lines)
    if(line MATCHES "^## ")
        close_entry()
        if(line MATCHES "^## ([0-9][0-9A-Za-z.+~]*) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
            set(version ${CMAKE_MATCH_1})
            set(year ${CMAKE_MATCH_2})
            set(month ${CMAKE_MATCH_3})
            set(day ${CMAKE_MATCH_4})
            # Without a leading zero, so that the arithmetic reads them as decimals.
            string(REGEX REPLACE "^0" "" month "${month}")
            string(REGEX REPLACE "^0" "" day_number "${day}")
            if(entries EQUAL 0 AND NOT version STREQUAL VERSION)
                message(FATAL_ERROR "${CHANGELOG}: the newest release is ${version}, "
                                    "the package is ${VERSION}: add an entry for ${VERSION}")
            endif()
            math(EXPR month_index "${month} - 1")
            list(GET months ${month_index} month_name)
            weekday(weekday_name ${year} ${month} ${day_number})
            set(signature "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000")
            if(entries GREATER 0)
                string(APPEND result "\n")
            endif()
            string(APPEND result "${PACKAGE} (${version}) unstable; urgency=medium\n\n")
            math(EXPR entries "${entries} + 1")
            set(in_release TRUE)
            set(entry_has_paragraph FALSE)
        endif()
    elseif(NOT in_release)
        continue()
    elseif(line MATCHES "^[ ]*$")
        flush_block()
    elseif(line MATCHES "^- (.*)$")
        flush_block()
        set(block_kind item)
        set(block "${CMAKE_MATCH_1}")
    elseif(block_kind STREQUAL "")
        set(block_kind paragraph)
        string(STRIP "${line}" block)
    else()
        string(STRIP "${line}" continued)
        string(APPEND block " ${continued}")
    endif()
endforeach()
close_entry()

if(entries EQUAL 0)
    message(FATAL_ERROR "${CHANGELOG}: no released entry (## <version> (<yyyy-mm-dd>))")
endif()

write_result("${OUTPUT}" "${result}")
