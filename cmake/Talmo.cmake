# talmo_add_library(<target> DEPENDS <libs...>)
# One static library per source folder; every .cpp/.h of the folder belongs to it.
function(talmo_add_library target)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    if(NOT sources)
        # A folder whose first sources have not landed yet: keep the target name usable.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${CMAKE_SOURCE_DIR}")
        target_link_libraries(${target} INTERFACE ${ARG_DEPENDS})
        return()
    endif()
    file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h" "${CMAKE_CURRENT_SOURCE_DIR}/*.qrc")
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC "${CMAKE_SOURCE_DIR}")
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
endfunction()

# talmo_add_test(<target> DEPENDS <libs...>)
# One GoogleTest executable per tested folder, built from every .cpp of the test folder.
# Tests find the program folder through TALMO_TEST_PROGRAM_DIR and their fixtures
# through TALMO_TEST_SOURCE_DIR; the installer facts through TALMO_FACTS_DIR (the
# repository's copies) and TALMO_SHARED_FACTS_DIR (the originals, when beside the checkout).
function(talmo_add_test target)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    if(NOT sources)
        return()
    endif()
    file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h" "${CMAKE_CURRENT_SOURCE_DIR}/*.qrc")
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
