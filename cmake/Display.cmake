# Before Qt starts, the program tries the displays Qt would try (ui/qt/
# display_check), so a display that is set but not there gets one plain line
# instead of Qt's plugin abort. X11 is tried through libxcb, which Debian's
# Qt xcb plugin needs at run time anyway; a Wayland compositor through its
# Unix socket, which needs no library.
add_library(hinomori_display_check STATIC
    ${PROJECT_SOURCE_DIR}/ui/qt/display_check.cpp ${PROJECT_SOURCE_DIR}/ui/qt/display_check.h)
target_include_directories(hinomori_display_check PUBLIC ${PROJECT_SOURCE_DIR})
if(UNIX AND NOT APPLE)
    find_path(HINOMORI_XCB_INCLUDE_DIR xcb/xcb.h)
    find_library(HINOMORI_XCB_LIBRARY xcb)
    if(NOT HINOMORI_XCB_INCLUDE_DIR OR NOT HINOMORI_XCB_LIBRARY)
        message(FATAL_ERROR "libxcb's development files are missing (Debian: libxcb1-dev)")
    endif()
    target_include_directories(hinomori_display_check PRIVATE ${HINOMORI_XCB_INCLUDE_DIR})
    target_link_libraries(hinomori_display_check PRIVATE ${HINOMORI_XCB_LIBRARY})
    target_compile_definitions(hinomori_display_check PRIVATE HINOMORI_HAVE_XCB)
endif()
target_link_libraries(hinomori PRIVATE hinomori_display_check)
