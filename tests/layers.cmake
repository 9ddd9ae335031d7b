cmake_minimum_required(VERSION 3.25)

# The folders show the layers: a file never includes a file of a folder above its own. Each
# row names a folder and the folders it may include from besides itself.
set(layers
    "engine:"
    "compass:engine"
    "storage:"
    "platform:"
    "assets:engine"
    "translations:"
    "ui:engine compass storage platform assets"
    "shell:engine compass storage platform assets translations ui"
)
set(all_folders engine compass storage platform assets translations ui shell)

set(faults "")
foreach(row ${layers})
    string(REPLACE ":" ";" parts "${row}")
    list(GET parts 0 folder)
    list(LENGTH parts count)
    set(allowed ${folder})
    if(count GREATER 1)
        list(GET parts 1 below)
        separate_arguments(below)
        list(APPEND allowed ${below})
    endif()
    file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp
         ${SOURCE_DIR}/${folder}/*.in)
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^#include \"[a-z_]+/")
        foreach(line ${includes})
            string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" included "${line}")
            if(included IN_LIST all_folders AND NOT included IN_LIST allowed)
                file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
                string(APPEND faults "\n  ${shown}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes from a folder above:${faults}")
endif()
