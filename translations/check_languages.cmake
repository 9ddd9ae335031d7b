# Fails when a language the program speaks (LANGUAGES, the build's list) is missing from one of
# the texts that live outside the .ts files: the menu entry, the metainfo, the file type's
# description, the installer's pages and the screenshot script's access keys. Each of those
# falls back to English without a word, so a half-added language would otherwise go unseen.

# NSIS names its languages in words; a new language needs its name here.
set(nsis_de German)
set(nsis_es Spanish)
set(nsis_fr French)
set(nsis_ja Japanese)
set(nsis_ko Korean)
set(nsis_pt_BR PortugueseBR)
set(nsis_ru Russian)
set(nsis_zh_CN SimpChinese)
set(nsis_zh_TW TradChinese)

set(missing)

# Every key of the menu entry that is translated at all is translated into every language.
file(READ ${SOURCE_DIR}/packaging/linux/program.desktop.in desktop)
string(REGEX MATCHALL "\n[A-Za-z]+\\[" localised_keys "${desktop}")
string(REGEX REPLACE "[\n[]" "" localised_keys "${localised_keys}")
list(REMOVE_DUPLICATES localised_keys)
foreach(language ${LANGUAGES})
    foreach(key ${localised_keys})
        string(FIND "${desktop}" "\n${key}[${language}]=" at)
        if(at EQUAL -1)
            list(APPEND missing "program.desktop.in: ${key}[${language}]")
        endif()
    endforeach()
endforeach()

# The file type's description.
file(READ ${SOURCE_DIR}/packaging/linux/program.mime.xml.in mime)
foreach(language ${LANGUAGES})
    string(FIND "${mime}" "<comment xml:lang=\"${language}\">" at)
    if(at EQUAL -1)
        list(APPEND missing "program.mime.xml.in: comment for ${language}")
    endif()
endforeach()

# The metainfo writes languages with a hyphen (pt-BR), and has as many of each translated
# element in every language as in English: the name, the summary, each paragraph of the
# description (the release notes are English only).
file(READ ${SOURCE_DIR}/packaging/linux/program.metainfo.xml.in metainfo)
string(REGEX REPLACE "<releases>.*</releases>" "" metainfo "${metainfo}")
string(REGEX MATCHALL "<[a-z]+ xml:lang=" translated_tags "${metainfo}")
list(REMOVE_DUPLICATES translated_tags)
foreach(language ${LANGUAGES})
    string(REPLACE "_" "-" tag_language ${language})
    foreach(tag ${translated_tags})
        string(REGEX REPLACE "<([a-z]+) .*" "\\1" name "${tag}")
        string(REGEX MATCHALL "<${name}>" english "${metainfo}")
        string(REGEX MATCHALL "${tag}\"${tag_language}\">" translated "${metainfo}")
        list(LENGTH english english_count)
        list(LENGTH translated translated_count)
        if(NOT translated_count EQUAL english_count)
            list(APPEND missing "program.metainfo.xml.in: ${translated_count} of ${english_count} <${name}> in ${tag_language}")
        endif()
    endforeach()
endforeach()

# The installer's pages: the language itself, and each of its own texts.
file(READ ${SOURCE_DIR}/packaging/windows/installer.nsi.in installer)
string(REGEX MATCHALL "\nLangString [A-Za-z]+ \\\${LANG_ENGLISH}" english_texts "${installer}")
foreach(language ${LANGUAGES})
    set(nsis ${nsis_${language}})
    if(NOT nsis)
        list(APPEND missing "check_languages.cmake: the NSIS name of ${language}")
        continue()
    endif()
    string(TOUPPER ${nsis} nsis_constant)
    string(FIND "${installer}" "MUI_LANGUAGE \"${nsis}\"" at)
    if(at EQUAL -1)
        list(APPEND missing "installer.nsi.in: MUI_LANGUAGE \"${nsis}\"")
    endif()
    foreach(text ${english_texts})
        string(REPLACE "LANG_ENGLISH" "LANG_${nsis_constant}" wanted "${text}")
        string(FIND "${installer}" "${wanted}" at)
        if(at EQUAL -1)
            string(STRIP "${wanted}" wanted)
            list(APPEND missing "installer.nsi.in: ${wanted}")
        endif()
    endforeach()
endforeach()

# The screenshot script presses each language's access keys: one case of its key lists.
file(READ ${SOURCE_DIR}/tools/take_screenshots.sh screenshots)
foreach(language ${LANGUAGES})
    if(NOT screenshots MATCHES "\n *([a-zA-Z_\"]+ \\| )*${language}( \\| [a-zA-Z_\"]+)*\\) keys=")
        list(APPEND missing "take_screenshots.sh: the access keys of ${language}")
    endif()
endforeach()

if(missing)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "A language is missing from:\n  ${missing}")
endif()
