# talmo_folder_files(<out> <patterns...>)
# The files of the current folder and of its subject subfolders: every subfolder
# that has no CMakeLists.txt of its own and is not a fuzz folder belongs to it.
function(talmo_folder_files out)
    set(found)
    file(GLOB subfolders CONFIGURE_DEPENDS LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/*")
    set(folders "${CMAKE_CURRENT_SOURCE_DIR}")
    foreach(sub IN LISTS subfolders)
        get_filename_component(name "${sub}" NAME)
        if(IS_DIRECTORY "${sub}" AND NOT EXISTS "${sub}/CMakeLists.txt" AND NOT name STREQUAL "fuzz")
            list(APPEND folders "${sub}")
        endif()
    endforeach()
    foreach(folder IN LISTS folders)
        foreach(pattern IN LISTS ARGN)
            file(GLOB matches CONFIGURE_DEPENDS "${folder}/${pattern}")
            list(APPEND found ${matches})
        endforeach()
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# talmo_add_library(<target> DEPENDS <libs...>)
# One static library per source folder; every .cpp/.h of the folder and of its
# subject subfolders belongs to it.
function(talmo_add_library target)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    talmo_folder_files(sources "*.cpp")
    if(NOT sources)
        # A folder whose first sources have not landed yet: keep the target name usable.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${CMAKE_SOURCE_DIR}")
        target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
        return()
    endif()
    talmo_folder_files(headers "*.h" "*.qrc")
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
endfunction()

# talmo_add_test(<target> DEPENDS <libs...>)
# One GoogleTest executable per tested folder, built from every .cpp of the test folder
# and of its subject subfolders.
# Tests find the program folder through TALMO_TEST_PROGRAM_DIR and their fixtures
# through TALMO_TEST_SOURCE_DIR; the installer facts through TALMO_FACTS_DIR (the
# repository's copies) and TALMO_SHARED_FACTS_DIR (the originals, when beside the checkout).
function(talmo_add_test target)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    talmo_folder_files(sources "*.cpp")
    if(NOT sources)
        return()
    endif()
    talmo_folder_files(headers "*.h" "*.qrc")
    add_executable(${target} ${sources} ${headers})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    target_link_libraries(${target} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock talmo_test_support)
    target_include_directories(${target} PRIVATE "${CMAKE_SOURCE_DIR}")
    target_compile_definitions(${target} PRIVATE
        TALMO_TEST_PROGRAM_DIR="${TALMO_PROGRAM_DIR}"
        TALMO_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}"
        TALMO_FACTS_DIR="${CMAKE_SOURCE_DIR}/facts"
        TALMO_SHARED_FACTS_DIR="${CMAKE_SOURCE_DIR}/../shared/data")
    include(GoogleTest)
    gtest_discover_tests(${target}
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Every library a target links, directly or through the libraries it links.
function(talmo_linked_libraries target out)
    set(seen)
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        if(NOT TARGET ${current})
            continue()
        endif()
        get_target_property(links ${current} INTERFACE_LINK_LIBRARIES)
        foreach(link IN LISTS links)
            if(link AND NOT link IN_LIST seen)
                list(APPEND seen ${link})
                list(APPEND pending ${link})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# talmo_check_layers(<lowest> ... <highest> FORBIDDEN <libs...>)
# Stops the configuration when a layer links a layer above it or a forbidden library.
function(talmo_check_layers)
    cmake_parse_arguments(ARG "" "" "FORBIDDEN" ${ARGN})
    set(above ${ARG_UNPARSED_ARGUMENTS})
    foreach(layer IN LISTS ARG_UNPARSED_ARGUMENTS)
        list(POP_FRONT above)
        talmo_linked_libraries(${layer} linked)
        foreach(wrong IN LISTS above ARG_FORBIDDEN)
            if(wrong IN_LIST linked)
                message(FATAL_ERROR "${layer} links ${wrong}, which lies above it or is not allowed there")
            endif()
        endforeach()
    endforeach()
endfunction()
