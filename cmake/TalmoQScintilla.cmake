# QScintilla for the script editors. Debian's libqscintilla2-qt6-dev ships
# neither a CMake package nor a pkg-config file, so the header is looked up
# under Qt 6's include folder and the library by its name.
get_target_property(talmo_qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
set(talmo_qt_include_hints)
foreach(folder IN LISTS talmo_qt_core_includes)
    get_filename_component(parent "${folder}" DIRECTORY)
    list(APPEND talmo_qt_include_hints "${folder}" "${parent}")
endforeach()

find_path(TALMO_QSCINTILLA_INCLUDE_DIR Qsci/qsciscintilla.h HINTS ${talmo_qt_include_hints} PATH_SUFFIXES qt6)
find_library(TALMO_QSCINTILLA_LIBRARY NAMES qscintilla2_qt6)
if(NOT TALMO_QSCINTILLA_INCLUDE_DIR OR NOT TALMO_QSCINTILLA_LIBRARY)
    message(FATAL_ERROR "QScintilla for Qt 6 not found: run scripts/install-deps.sh (package libqscintilla2-qt6-dev)")
endif()

add_library(Talmo::QScintilla UNKNOWN IMPORTED GLOBAL)
set_target_properties(Talmo::QScintilla PROPERTIES
    IMPORTED_LOCATION "${TALMO_QSCINTILLA_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${TALMO_QSCINTILLA_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS QSCINTILLA_DLL
    INTERFACE_LINK_LIBRARIES "Qt6::Widgets;Qt6::PrintSupport")
