# Writes the package's copyright file, in Debian's machine-readable format, from LICENSE, so
# that the licence is kept in one place. Run as a script:
#
#   cmake -DLICENSE=LICENSE -DPACKAGE=name "-DCONTACT=Name <address>" -DOUTPUT=copyright
#         -P copyright.cmake
#
# LICENSE is the MIT licence as it is usually laid out: a title, the line "Copyright (c) <year>
# <holder>", the licence text up to the paragraph "THE SOFTWARE IS PROVIDED ...", and after
# it our own paragraph on what the licence covers, which becomes the comment. Debian's short
# name for this licence is Expat.
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/text_lines.cmake)
require_arguments(copyright.cmake LICENSE PACKAGE CONTACT OUTPUT)

read_lines("${LICENSE}" lines)

set(copyright "")
set(licence "")
set(comment "")
set(part title)  # title, licence, disclaimer, comment
foreach(line IN LISTS lines)
    if(part STREQUAL "title")
        if(line MATCHES "^Copyright \\(c\\) (.+)$")
            set(copyright "${CMAKE_MATCH_1}")
            set(part licence)
        endif()
        continue()
    endif()
    if(part STREQUAL "licence" AND line MATCHES "^THE SOFTWARE IS PROVIDED")
        set(part disclaimer)
    elseif(part STREQUAL "disclaimer" AND line STREQUAL "")
        set(part comment)
    endif()
    # Continuation lines of a field start with a blank, and an empty line is written " .".
    if(line STREQUAL "")
        set(line " .")
    else()
        set(line " ${line}")
    endif()
    if(part STREQUAL "comment")
        string(APPEND comment "${line}\n")
    else()
        string(APPEND licence "${line}\n")
    endif()
endforeach()

if(copyright STREQUAL "" OR NOT part STREQUAL "comment")
    message(FATAL_ERROR "${LICENSE}: expected the MIT licence with a copyright line, "
                        "its warranty paragraph and a paragraph on what it covers")
endif()
# Neither field may start or end with an empty line.
string(REGEX REPLACE "^( \\.\n)+" "" licence "${licence}")
string(REGEX REPLACE "( \\.\n)+$" "" licence "${licence}")
string(REGEX REPLACE "^( \\.\n)+" "" comment "${comment}")
string(REGEX REPLACE "( \\.\n)+$" "" comment "${comment}")

set(result "\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${PACKAGE}
Upstream-Contact: ${CONTACT}

Files: *
Copyright: ${copyright}
License: Expat
Comment: This is the MIT licence.
${comment}
License: Expat
${licence}")

write_result("${OUTPUT}" "${result}")
