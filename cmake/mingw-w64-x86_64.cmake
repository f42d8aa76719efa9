# Cross-building for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# C++ threads need). Used for Qt itself (scripts/qt-windows.sh) and for the viewer
# (scripts/build-windows.sh); Qt's own packages come from CMAKE_PREFIX_PATH, its host tools
# (moc, rcc, lrelease) from QT_HOST_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
# Programs run here, so they are the build machine's; everything linked into the program must
# be Windows', from the MinGW root or from the prefixes given.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The prefixes given (Qt for Windows) are searched as roots of their own as well.
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})
