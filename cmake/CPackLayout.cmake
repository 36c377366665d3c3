# Read by cpack once per generator: the archive is the relocatable folder, the Debian package the
# system layout with its launcher (see Install.cmake).
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_COMPONENTS_ALL system)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
else()
    set(CPACK_COMPONENTS_ALL folder)
    # The archive unpacks to zorvik/, the folder the program runs from.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
