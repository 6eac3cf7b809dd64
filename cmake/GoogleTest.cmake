# GoogleTest for the tests that need no Qt: the core's and the Windows
# window's. Debian's build of the library serves Linux; for the Windows
# build it is compiled from the sources Debian ships in /usr/src/googletest
# (package googletest) with the cross compiler.
if(WIN32)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
    find_package(GTest REQUIRED)
endif()
