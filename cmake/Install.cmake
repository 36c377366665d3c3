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

# `cpack` in the build folder makes zorvik-<version>-Linux.tar.gz (the folder) and
# zorvik_<version>_<arch>.deb (the system layout). CPackLayout.cmake picks the component per
# generator.
set(CPACK_PACKAGE_NAME zorvik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zorvik developers")
set(CPACK_PACKAGE_CONTACT "Zorvik developers <info@zorvik.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for the speed and quality of memorising")
set(CPACK_PACKAGE_DESCRIPTION
    "Zorvik shows numbers, words or phone numbers one at a time, asks for them back in order,\n\
scores the answers and keeps the history of exams. The user interface is in Russian.")
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
# Russian Qt translation gives the standard dialogs Russian buttons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, diffutils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
