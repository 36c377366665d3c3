target_sources(zorvik_ui PRIVATE
    AboutFormUnit.cpp AboutFormUnit.h AboutFormUnit.ui
    HLinkLabelUnit.cpp HLinkLabelUnit.h
    rpVersionInfo.cpp rpVersionInfo.h)
# The version block belongs to the program file alone: a library or test program that carried it
# would report the program's version as its own.
target_sources(zorvik PRIVATE ${CMAKE_CURRENT_LIST_DIR}/VersionBlock.cpp)
# The version is read there alone; no other file is rebuilt when it changes.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/VersionBlock.cpp TARGET_DIRECTORY zorvik
    PROPERTIES COMPILE_DEFINITIONS ZORVIK_VERSION="${PROJECT_VERSION}")
