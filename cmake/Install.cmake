# Install rules and packages.
#
# Zorvik keeps settings.ini, result.ini and Data/modules.ini beside its executable, so it is
# installed in two shapes:
#   component "folder" (what `cmake --install` and the .tar.gz give): one relocatable folder zorvik/
#     holding the program, Data/, Help/ and the window icon; it runs from wherever it is unpacked and
#     keeps its files in that folder.
#   component "system" (the Debian package; `cmake --install --component system`): the same folder as
#     lib/zorvik, read-only, and bin/zorvik, a launcher that gives each user a program folder of their
#     own; plus the desktop entry, the icons and the AppStream metadata under share/.

set(ZORVIK_PACKAGE_ID org.example.zorvik)
set(_zorvik_packaging ${CMAKE_SOURCE_DIR}/packaging)
set(_zorvik_window_icon ${_zorvik_packaging}/icons/hicolor/256x256/apps/${ZORVIK_PACKAGE_ID}.png)

# The program loads its window icon from its own folder, so the build folder gets it too.
add_custom_target(zorvik_icon ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_zorvik_window_icon}
            $<TARGET_FILE_DIR:zorvik>/zorvik.png
    COMMENT "Copying the window icon beside the program")
add_dependencies(zorvik zorvik_icon)

# The launcher finds the program at ../lib/zorvik from itself; the multiarch library folder of
# GNUInstallDirs would break that, so the folder is fixed.
foreach(_zorvik_component folder system)
    if(_zorvik_component STREQUAL "folder")
        set(_zorvik_dest zorvik)
        set(_zorvik_all)
    else()
        set(_zorvik_dest lib/zorvik)
        set(_zorvik_all EXCLUDE_FROM_ALL)
    endif()
    install(TARGETS zorvik RUNTIME DESTINATION ${_zorvik_dest}
        COMPONENT ${_zorvik_component} ${_zorvik_all})
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${_zorvik_dest}
        COMPONENT ${_zorvik_component} ${_zorvik_all})
    install(FILES ${_zorvik_window_icon} DESTINATION ${_zorvik_dest} RENAME zorvik.png
        COMPONENT ${_zorvik_component} ${_zorvik_all})
endforeach()

install(PROGRAMS ${_zorvik_packaging}/zorvik-launcher DESTINATION bin RENAME zorvik
    COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${_zorvik_packaging}/${ZORVIK_PACKAGE_ID}.desktop DESTINATION share/applications
    COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${_zorvik_packaging}/${ZORVIK_PACKAGE_ID}.metainfo.xml DESTINATION share/metainfo
    COMPONENT system EXCLUDE_FROM_ALL)
install(DIRECTORY ${_zorvik_packaging}/icons/hicolor DESTINATION share/icons
    COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${_zorvik_packaging}/icons/zorvik.svg DESTINATION share/icons/hicolor/scalable/apps
    RENAME ${ZORVIK_PACKAGE_ID}.svg COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${_zorvik_packaging}/copyright DESTINATION share/doc/zorvik
    COMPONENT system EXCLUDE_FROM_ALL)

# What Debian expects beside the programs of /usr/bin: a manual page for each and the changelog,
# both compressed without a name or time stamp so that the package is the same at every build;
# and the reasons for what lintian reports on purpose.
file(STRINGS ${_zorvik_packaging}/changelog _zorvik_changelog_head LIMIT_COUNT 1)
if(NOT _zorvik_changelog_head MATCHES "\\(${PROJECT_VERSION}\\)")
    message(FATAL_ERROR "packaging/changelog must begin with an entry for ${PROJECT_VERSION}")
endif()
find_program(ZORVIK_GZIP gzip REQUIRED)
set(_zorvik_gzipped)
foreach(_zorvik_doc man/zorvik.1 man/zorvik-history.1 changelog)
    get_filename_component(_zorvik_doc_name ${_zorvik_doc} NAME)
    set(_zorvik_gz ${CMAKE_BINARY_DIR}/packaging/${_zorvik_doc_name}.gz)
    add_custom_command(OUTPUT ${_zorvik_gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND sh -c "\"$1\" -9nc \"$2\" > \"$3\"" sh ${ZORVIK_GZIP}
                ${_zorvik_packaging}/${_zorvik_doc} ${_zorvik_gz}
        DEPENDS ${_zorvik_packaging}/${_zorvik_doc} VERBATIM)
    list(APPEND _zorvik_gzipped ${_zorvik_gz})
endforeach()
add_custom_target(zorvik_packaging_docs ALL DEPENDS ${_zorvik_gzipped})
install(FILES ${CMAKE_BINARY_DIR}/packaging/zorvik.1.gz ${CMAKE_BINARY_DIR}/packaging/zorvik-history.1.gz
    DESTINATION share/man/man1 COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION share/doc/zorvik
    COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${_zorvik_packaging}/lintian-overrides DESTINATION share/lintian/overrides
    RENAME zorvik COMPONENT system EXCLUDE_FROM_ALL)

# `cpack` in the build folder makes zorvik-<version>-Linux.tar.gz (the folder) and
# zorvik_<version>_<arch>.deb (the system layout). CPackLayout.cmake picks the component per
# generator.
set(CPACK_PACKAGE_NAME zorvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorvik developers")
set(CPACK_PACKAGE_CONTACT "Zorvik developers <info@zorvik.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the speed and quality of memorising")
# Debian shows each line of the description as it stands and wants them within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Zorvik shows numbers, words or phone numbers one at a time, asks for them\n\
back in order, scores the answers and keeps the history of exams. The user\n\
interface is in Russian. zorvik-history writes that history as CSV, JSON or\n\
statistics for spreadsheets and scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://zorvik.example.org/")
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackLayout.cmake)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The platform plugins are a package of their own on Debian; without them no window opens. The
# Russian Qt translation gives the standard dialogs Russian buttons. The speech library comes with
# the program's own library dependencies; its engine plugin is loaded at run time, so it is named.
# Qt SVG is found from the program's own links too; it is named as well, since the progress
# window's pictures need it even where shlibdeps cannot look.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, diffutils, libqt6texttospeech6, qt6-speech-speechd-plugin")
# xdg-utils opens the help page and the links of the about dialog. The speech service and its
# Russian voice are needed only by those who turn the spoken items on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-translations-l10n, xdg-utils, speech-dispatcher, speech-dispatcher-espeak-ng")
include(CPack)
