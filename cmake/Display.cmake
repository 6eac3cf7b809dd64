# Before Qt starts, the program tries the X display itself, so a display that
# is set but not there gets one plain line instead of Qt's plugin abort.
# Debian's Qt xcb plugin needs libxcb at run time anyway.
if(UNIX AND NOT APPLE)
    find_path(HINOMORI_XCB_INCLUDE_DIR xcb/xcb.h)
    find_library(HINOMORI_XCB_LIBRARY xcb)
    if(NOT HINOMORI_XCB_INCLUDE_DIR OR NOT HINOMORI_XCB_LIBRARY)
        message(FATAL_ERROR "libxcb's development files are missing (Debian: libxcb1-dev)")
    endif()
    target_include_directories(hinomori PRIVATE ${HINOMORI_XCB_INCLUDE_DIR})
    target_link_libraries(hinomori PRIVATE ${HINOMORI_XCB_LIBRARY})
    target_compile_definitions(hinomori PRIVATE HINOMORI_HAVE_XCB)
endif()
