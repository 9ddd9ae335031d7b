# What the scripts that turn our own text files into Debian's have in common: their arguments,
# reading a file as a list of its lines, and writing the result.
#
# CMake lists are ;-separated and give square brackets a meaning of their own, so those three
# characters travel through a script as placeholders and come back when the result is written.

# Stops the script named `script` unless every variable named after it was given with -D.
function(require_arguments script)
    foreach(argument ${ARGN})
        if(NOT DEFINED ${argument})
            message(FATAL_ERROR "${script}: -D${argument}=... is missing")
        endif()
    endforeach()
endfunction()

function(read_lines file out)
    file(READ "${file}" text)
    string(REPLACE ";" "@SEMICOLON@" text "${text}")
    string(REPLACE "[" "@OPEN@" text "${text}")
    string(REPLACE "]" "@CLOSE@" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

function(write_result file result)
    string(REPLACE "@SEMICOLON@" ";" result "${result}")
    string(REPLACE "@OPEN@" "[" result "${result}")
    string(REPLACE "@CLOSE@" "]" result "${result}")
    file(WRITE "${file}" "${result}")
endfunction()
