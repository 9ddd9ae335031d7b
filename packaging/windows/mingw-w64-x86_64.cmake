# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which Qt
# needs for std::thread). Used for Qt itself and for the program.
#
# FSC_WINDOWS_QT_PREFIX names the Qt for Windows to build against. It goes into the find root
# path as well as the prefix path: in a cross build CMake only looks for packages under the
# root path, so a prefix path alone would not find it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FSC_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FSC_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FSC_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${FSC_MINGW_TRIPLET}-windres)

set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES FSC_WINDOWS_QT_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${FSC_MINGW_TRIPLET})
if(FSC_WINDOWS_QT_PREFIX)
    list(APPEND CMAKE_FIND_ROOT_PATH ${FSC_WINDOWS_QT_PREFIX})
    list(APPEND CMAKE_PREFIX_PATH ${FSC_WINDOWS_QT_PREFIX})
endif()

# Programs (moc, uic, the compilers) come from the build machine; everything linked in comes
# from the Windows side.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
