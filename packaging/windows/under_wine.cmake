# The Windows build's tests run under Wine, in a Wine prefix of the build's own, with Qt's
# DLLs found in the Qt the build uses. CTest is given one program as the emulator, with those
# two folders written into it, since CMake 3.25 does not pass an emulator's own arguments on
# to a test suite that lists its tests when it is about to run. Wine starts slowly, so
# GoogleTest lists a suite's tests then rather than after every link.
#
# Qt's offscreen platform, which the window tests use, finds no fonts on Windows unless it is
# told where they are: it gets the fonts the Linux tests lay the windows out with, so that the
# clipped-label checks measure the same text.
set(fsc_test_fonts ${CMAKE_BINARY_DIR}/test-fonts)
file(MAKE_DIRECTORY ${fsc_test_fonts})
foreach(font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
             /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
             /usr/share/fonts/truetype/wqy/wqy-microhei.ttc)
    get_filename_component(font_name ${font} NAME)
    file(CREATE_LINK ${font} ${fsc_test_fonts}/${font_name} SYMBOLIC)
endforeach()

set(fsc_wine_runner ${CMAKE_BINARY_DIR}/run-under-wine)
file(WRITE ${fsc_wine_runner}
     "#!/bin/sh\nexport QT_QPA_FONTDIR='Z:${fsc_test_fonts}'\n"
     "exec '${CMAKE_CURRENT_LIST_DIR}/wine-run' '${CMAKE_BINARY_DIR}/wine' "
     "'${FSC_WINDOWS_QT_PREFIX}/bin' \"$@\"\n")
file(CHMOD ${fsc_wine_runner} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${fsc_wine_runner})
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
