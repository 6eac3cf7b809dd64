# Install layout and the Debian package.
#
# The program looks for its manual, Hinomori.txt, in its own folder, so on
# Linux both go to lib/hinomori/ and bin/hinomori is a relative link to the
# executable; Qt resolves the link when it reports the application's folder.
# A desktop entry and themed icons put the program in the application menu.

include(GNUInstallDirs)

if(UNIX AND NOT APPLE)
    # Plain lib/ rather than the multiarch library folder: this is a program's
    # private folder, not a library for the linker.
    set(HINOMORI_INSTALL_APPDIR lib/hinomori)

    # Qt's project setup gives the executable a RUNPATH into ../lib; it links
    # only system libraries, so the installed one carries none.
    set_target_properties(hinomori PROPERTIES INSTALL_RPATH "")
    install(TARGETS hinomori RUNTIME DESTINATION ${HINOMORI_INSTALL_APPDIR})
    # A stripped build (the package) also loses the compiler's .comment notes,
    # as Debian's own packages do.
    install(CODE [[
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(
                COMMAND objcopy --remove-section=.comment
                        "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/hinomori/hinomori"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()
    ]])
    # lintian notes this as documentation outside /usr/share/doc
    # (package-contains-documentation-outside-usr-share-doc). It stays here:
    # the program opens the manual from its own folder, on every system.
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
    install(FILES ${PROJECT_SOURCE_DIR}/resources/io.github.hinomori.hinomori.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # Debian wants the licence, the changelog and the man pages gzipped
    # without a time stamp, so equal sources give equal packages.
    set(_hinomori_gzipped)
    foreach(_hinomori_pair
            "resources/changelog|doc/changelog.gz|${CMAKE_INSTALL_DOCDIR}"
            "resources/man/hinomori.1|man/hinomori.1.gz|${CMAKE_INSTALL_MANDIR}/man1"
            "resources/man/ja/hinomori.1|man/ja/hinomori.1.gz|${CMAKE_INSTALL_MANDIR}/ja/man1")
        string(REPLACE "|" ";" _hinomori_pair "${_hinomori_pair}")
        list(GET _hinomori_pair 0 _hinomori_in)
        list(GET _hinomori_pair 1 _hinomori_out)
        list(GET _hinomori_pair 2 _hinomori_dest)
        set(_hinomori_out ${PROJECT_BINARY_DIR}/gz/${_hinomori_out})
        get_filename_component(_hinomori_outdir ${_hinomori_out} DIRECTORY)
        add_custom_command(
            OUTPUT ${_hinomori_out}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${_hinomori_outdir}
            COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/${_hinomori_in} > ${_hinomori_out}
            DEPENDS ${PROJECT_SOURCE_DIR}/${_hinomori_in}
            VERBATIM)
        list(APPEND _hinomori_gzipped ${_hinomori_out})
        install(FILES ${_hinomori_out} DESTINATION ${_hinomori_dest})
    endforeach()
    add_custom_target(hinomori_gzipped ALL DEPENDS ${_hinomori_gzipped})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

    # Icon themes want PNG; a small Qt helper converts the XPM icons the
    # program itself uses, so the two never drift apart.
    add_executable(hinomori_xpm2png ${PROJECT_SOURCE_DIR}/tools/xpm2png.cpp)
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
    # Menus and software centres want larger icons than the window's own; they
    # are drawn from the same design (scripts/render-icons.py).
    foreach(_hinomori_size 48 64 128)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hinomori-${_hinomori_size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_hinomori_size}x${_hinomori_size}/apps
                RENAME hinomori.png)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hinomori.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
else()
    install(TARGETS hinomori RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/Hinomori.txt
            DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Debian package. Library dependencies are read from the executable by
# dpkg-shlibdeps; what it cannot see is added by hand: Qt loads its platform
# plugins (X11, and Wayland for Wayland sessions such as GNOME's) and its
# Japanese translations at run time, the manual command starts xdg-open, and
# the windows want a Japanese Gothic font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hinomori)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ひのもり開発チーム <hinomori@users.noreply.github.com>")
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
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n, xdg-utils, fonts-ipafont-gothic | fonts-noto-cjk")
# IPA Gothic has no bold face, and the bold Qt makes up for it grows too thin
# to see at a display scale of 2; Noto CJK's real bold reads at every scale.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
