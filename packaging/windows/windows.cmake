# The Windows program: its resources, the folder it is deployed to, and the installer and the
# portable zip made from that folder (`make windows`).

find_package(Qt6 REQUIRED COMPONENTS Gui Widgets PrintSupport)

# A window-only program, without a console, with its icon, version details and manifest in the
# executable itself. CMake enables the resource compiler with C++ on Windows.
configure_file(windows/program.manifest ${CMAKE_CURRENT_BINARY_DIR}/program.manifest @ONLY)
configure_file(windows/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/program.rc @ONLY)
target_sources(${FSC_EXECUTABLE} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/program.rc)
set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/program.rc APPEND PROPERTY OBJECT_DEPENDS
             ${CMAKE_CURRENT_BINARY_DIR}/program.manifest)
set_target_properties(${FSC_EXECUTABLE} PROPERTIES WIN32_EXECUTABLE ON)
qt_add_resources(${FSC_EXECUTABLE} qt_paths PREFIX /qt/etc BASE windows FILES windows/qt.conf)

# Beside the program goes only what it loads: Qt's libraries and the plugins for the windows
# platform, the native style and the JPEG pictures; the MinGW runtime; Qt's own translations for
# the languages the program speaks.
foreach(module Core Gui Widgets PrintSupport)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
foreach(plugin platforms:QWindowsIntegrationPlugin styles:QWindowsVistaStylePlugin
               imageformats:QJpegPlugin)
    string(REPLACE ":" ";" plugin ${plugin})
    list(GET plugin 0 folder)
    list(GET plugin 1 target)
    install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION plugins/${folder})
endforeach()
foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                    OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${runtime_path}")
        message(FATAL_ERROR "The MinGW runtime ${runtime} was not found")
    endif()
    install(FILES ${runtime_path} DESTINATION .)
    # Debian's runtime DLLs carry their debugging notes; a stripped install leaves them out,
    # as it does for the program (libstdc++ shrinks from 24 MB to 2 MB).
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded
                                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${runtime}\"
                            COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endforeach()
# The saved reading's icon, for the file type the installer registers.
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/document.ico DESTINATION . RENAME reading.ico)
find_path(FSC_QT_TRANSLATIONS qtbase_zh_CN.qm PATHS /usr/share/qt6/translations
          NO_CMAKE_FIND_ROOT_PATH REQUIRED)
foreach(language ${FSC_LANGUAGES})
    install(FILES ${FSC_QT_TRANSLATIONS}/qtbase_${language}.qm DESTINATION translations)
endforeach()

# The folder, stripped, then the zip of it and the installer that installs it.
find_program(MAKENSIS makensis REQUIRED)
set(FSC_PACKAGE_BASE ${FSC_EXECUTABLE}-${PROJECT_VERSION})
set(deployed ${PROJECT_BINARY_DIR}/deployed)
set(FSC_INSTALLER_SOURCE ${deployed}/${FSC_PACKAGE_BASE})
set(packages ${PROJECT_BINARY_DIR}/packages)
set(FSC_INSTALLER_OUTPUT ${packages}/${FSC_PACKAGE_BASE}-setup.exe)
set(FSC_LICENSE_FILE ${PROJECT_SOURCE_DIR}/LICENSE)
set(FSC_ICON_FILE ${PROJECT_SOURCE_DIR}/assets/icons/program.ico)
# A release is signed when a certificate is given: the program, the uninstaller (as NSIS writes
# it into the installer) and the installer. Without one the packages are unsigned, and say so.
set(FSC_SIGN_PKCS12 "" CACHE FILEPATH "The code-signing certificate (.pfx or .p12); empty: unsigned")
set(FSC_SIGN_PASSWORD_FILE "" CACHE FILEPATH "A file holding the certificate's password")
set(FSC_SIGN_TIMESTAMP_URL "" CACHE STRING "An RFC 3161 timestamp server, if any")
if(FSC_SIGN_PKCS12)
    if(NOT FSC_SIGN_PASSWORD_FILE)
        message(FATAL_ERROR "FSC_SIGN_PKCS12 needs FSC_SIGN_PASSWORD_FILE beside it")
    endif()
    set(sign ${CMAKE_CURRENT_SOURCE_DIR}/windows/sign ${FSC_SIGN_PKCS12} ${FSC_SIGN_PASSWORD_FILE}
             "${FSC_PROGRAM_NAME}")
    set(timestamp ${FSC_SIGN_TIMESTAMP_URL})
    list(JOIN sign "\" \"" sign_line)
    set(nsis_sign "'\"${sign_line}\" \"%1\"")
    if(timestamp)
        string(APPEND nsis_sign " \"${timestamp}\"")
    endif()
    set(FSC_NSIS_SIGNING "!finalize ${nsis_sign}' = 0\n!uninstfinalize ${nsis_sign}' = 0")
    set(sign_program COMMAND ${sign} ${FSC_INSTALLER_SOURCE}/${FSC_EXECUTABLE}.exe ${timestamp})
    set(signing_note "Signed with ${FSC_SIGN_PKCS12}")
else()
    set(FSC_NSIS_SIGNING "")
    set(sign_program)
    set(signing_note "Unsigned: set FSC_SIGN_PKCS12 and FSC_SIGN_PASSWORD_FILE to sign")
endif()
configure_file(windows/installer.nsi.in ${CMAKE_CURRENT_BINARY_DIR}/installer.nsi @ONLY)
add_custom_target(windows_packages
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${deployed}
    COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${FSC_INSTALLER_SOURCE}
            --strip
    ${sign_program}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packages}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${packages}/${FSC_PACKAGE_BASE}-windows-x64.zip
    COMMAND ${CMAKE_COMMAND} -E chdir ${deployed} ${CMAKE_COMMAND} -E tar cf
            ${packages}/${FSC_PACKAGE_BASE}-windows-x64.zip --format=zip ${FSC_PACKAGE_BASE}
    COMMAND ${MAKENSIS} -V2 -WX ${CMAKE_CURRENT_BINARY_DIR}/installer.nsi
    COMMAND ${CMAKE_COMMAND} -E echo "${signing_note}"
    DEPENDS ${FSC_EXECUTABLE}
    COMMENT "Deploying the program and making its installer and zip"
    VERBATIM)
