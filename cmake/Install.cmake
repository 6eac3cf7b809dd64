# Install layout and the Debian package.
#
# The program looks for its manual, Hinomori.txt, in its own folder, so on
# Linux both go to lib/hinomori/ and bin/hinomori is a relative link to the
# executable; Qt resolves the link when it reports the application's folder.
# A desktop entry and themed icons put the program in the application menu.

include(GNUInstallDirs)

if(WIN32)
    # The version resource and icon of hinomori.exe. The version text renders
    # the minor version with two digits, as the version dialog does: 1.00.
    enable_language(RC)
    set(HINOMORI_VERSION_TEXT "${PROJECT_VERSION_MINOR}")
    string(LENGTH "${HINOMORI_VERSION_TEXT}" _hinomori_minor_digits)
    if(_hinomori_minor_digits LESS 2)
        set(HINOMORI_VERSION_TEXT "0${HINOMORI_VERSION_TEXT}")
    endif()
    set(HINOMORI_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${HINOMORI_VERSION_TEXT}")
    set(HINOMORI_ICO "${PROJECT_SOURCE_DIR}/resources/windows/hinomori.ico")
    configure_file(${PROJECT_SOURCE_DIR}/resources/windows/hinomori.rc.in
                   ${PROJECT_BINARY_DIR}/generated/hinomori.rc @ONLY)
    target_sources(hinomori PRIVATE ${PROJECT_BINARY_DIR}/generated/hinomori.rc)
endif()

if(UNIX AND NOT APPLE)
    # Plain lib/ rather than the multiarch library folder: this is a program's
    # private folder, not a library for the linker.
    set(HINOMORI_INSTALL_APPDIR lib/hinomori)

    install(TARGETS hinomori RUNTIME DESTINATION ${HINOMORI_INSTALL_APPDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/Hinomori.txt
            DESTINATION ${HINOMORI_INSTALL_APPDIR})

    # The link is made once in the build tree and installed as a link, so it
    # lands in staging folders (DESTDIR, CPack) the same way.
    file(RELATIVE_PATH _hinomori_link_target
         ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
         ${CMAKE_INSTALL_PREFIX}/${HINOMORI_INSTALL_APPDIR}/hinomori)
    file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install-link)
    file(CREATE_LINK ${_hinomori_link_target} ${PROJECT_BINARY_DIR}/install-link/hinomori
         SYMBOLIC)
    install(FILES ${PROJECT_BINARY_DIR}/install-link/hinomori
            DESTINATION ${CMAKE_INSTALL_BINDIR})

    install(FILES ${PROJECT_SOURCE_DIR}/resources/hinomori.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

    # Icon themes want PNG; a small Qt helper converts the XPM icons the
    # program itself uses, so the two never drift apart.
    add_executable(hinomori_xpm2png tools/xpm2png.cpp)
    target_link_libraries(hinomori_xpm2png PRIVATE Qt6::Gui)
    set(_hinomori_pngs)
    foreach(_hinomori_size 16 32)
        set(_hinomori_dir ${PROJECT_BINARY_DIR}/icons/${_hinomori_size}x${_hinomori_size})
        set(_hinomori_xpm ${PROJECT_SOURCE_DIR}/resources/hinomori-${_hinomori_size}.xpm)
        add_custom_command(
            OUTPUT ${_hinomori_dir}/hinomori.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${_hinomori_dir}
            COMMAND hinomori_xpm2png ${_hinomori_xpm} ${_hinomori_dir}/hinomori.png
                    ${_hinomori_size}
            DEPENDS hinomori_xpm2png ${_hinomori_xpm}
            COMMENT "Converting the ${_hinomori_size}-pixel icon to PNG"
            VERBATIM)
        list(APPEND _hinomori_pngs ${_hinomori_dir}/hinomori.png)
        install(FILES ${_hinomori_dir}/hinomori.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_hinomori_size}x${_hinomori_size}/apps)
    endforeach()
    add_custom_target(hinomori_icons ALL DEPENDS ${_hinomori_pngs})
else()
    install(TARGETS hinomori RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/Hinomori.txt
            DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Debian package. Library dependencies are read from the executable by
# dpkg-shlibdeps; what it cannot see is added by hand: Qt's platform plugins
# are loaded at run time, and the windows want a Japanese Gothic font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hinomori)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ひのもり開発チーム <hinomori@example.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "convert years between the Gregorian and Japanese era calendars")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION
    "A small desktop tool that converts a year between the Gregorian calendar\n"
    "and the Japanese era calendar (Meiji to Reiwa) and shows the day of the\n"
    "week of a date. Its window and manual are in Japanese.\n"
    "${PROJECT_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-qpa-plugins")
include(CPack)
