# Fuzz targets. libFuzzer needs clang, so the code under test is compiled a
# second time with clang and the address and undefined-behaviour sanitizers,
# beside the main build; every target then runs for a few seconds as a test
# over its seed corpus. Longer runs by hand: see the README.
find_program(TALMO_CLANGXX NAMES clang++ clang++-14)
set(TALMO_FUZZ_DIR "${CMAKE_BINARY_DIR}/fuzz")
set(TALMO_FUZZ_SECONDS 4 CACHE STRING "How long each fuzz target runs as a test, in seconds")
set(TALMO_FUZZ_FLAGS -std=c++20 -O1 -g -fPIC -fsanitize=address,undefined -fno-sanitize-recover=all
    "-I${CMAKE_SOURCE_DIR}")

if(TALMO_CLANGXX)
    get_target_property(qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
    set(TALMO_FUZZ_QT_FLAGS -DQT_CORE_LIB -DQT_NO_DEBUG)
    foreach(folder IN LISTS qt_core_includes)
        list(APPEND TALMO_FUZZ_QT_FLAGS "-isystem${folder}")
    endforeach()
    pkg_check_modules(TALMO_FUZZ_GCAB QUIET libgcab-1.0)
endif()

# talmo_fuzz_compile(<source> <object> FLAGS <compile flags>)
# One source compiled for fuzzing into object.
function(talmo_fuzz_compile source object)
    cmake_parse_arguments(ARG "" "" "FLAGS" ${ARGN})
    file(RELATIVE_PATH shown "${CMAKE_SOURCE_DIR}" "${source}")
    add_custom_command(OUTPUT "${object}"
        COMMAND ${TALMO_CCACHE} "${TALMO_CLANGXX}" ${TALMO_FUZZ_FLAGS} ${TALMO_FUZZ_QT_FLAGS} ${ARG_FLAGS}
                -fsanitize=fuzzer-no-link -MD -MF "${object}.d" -c "${source}" -o "${object}"
        DEPENDS "${source}"
        DEPFILE "${object}.d"
        COMMENT "Compiling ${shown} for fuzzing"
        VERBATIM)
endfunction()

# talmo_fuzz_objects(<source folder> [FLAGS <compile flags>])
# The folder's sources compiled for fuzzing, once for the whole build: the
# first caller defines the commands, later callers (in any directory) reuse
# the objects through the folder's target talmo_fuzz_objects_<folder>.
function(talmo_fuzz_objects folder)
    cmake_parse_arguments(ARG "" "" "FLAGS" ${ARGN})
    if(NOT TALMO_CLANGXX)
        return()
    endif()
    string(REPLACE "/" "_" tag "${folder}")
    get_property(defined GLOBAL PROPERTY talmo_fuzz_objects_${tag} DEFINED)
    if(NOT defined)
        define_property(GLOBAL PROPERTY talmo_fuzz_objects_${tag}
            BRIEF_DOCS "fuzz objects of ${folder}" FULL_DOCS "fuzz objects of ${folder}")
        file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${folder}/*.cpp")
        # Executables' own main() stays out; the fuzz target is the main.
        list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
        set(objects)
        foreach(source IN LISTS sources)
            get_filename_component(name "${source}" NAME_WE)
            set(object "${TALMO_FUZZ_DIR}/obj/${tag}/${name}.o")
            talmo_fuzz_compile("${source}" "${object}" FLAGS ${ARG_FLAGS})
            list(APPEND objects "${object}")
        endforeach()
        add_custom_target(talmo_fuzz_objects_${tag} DEPENDS ${objects})
        set_property(GLOBAL PROPERTY talmo_fuzz_objects_${tag} "${objects}")
    endif()
endfunction()

# talmo_add_fuzzer(<name> [FOLDERS <source folders>] [SOURCES <files>] [FLAGS <compile flags>] [LIBS <link arguments>])
# Builds fuzz/<name>.cpp of the calling test folder against the folders'
# objects and the single SOURCES (paths from the source root, for code whose
# folder drags in more than the target needs), and runs it as a test over
# fuzz/<name>-seeds. New inputs land in the build tree; the seeds in the
# source tree stay as they are.
function(talmo_add_fuzzer name)
    cmake_parse_arguments(ARG "" "" "FOLDERS;SOURCES;FLAGS;LIBS" ${ARGN})
    if(NOT TALMO_CLANGXX)
        return()
    endif()
    set(objects)
    set(object_targets)
    foreach(source IN LISTS ARG_SOURCES)
        string(REPLACE "/" "_" tag "${source}")
        set(object "${TALMO_FUZZ_DIR}/obj/${name}/${tag}.o")
        talmo_fuzz_compile("${CMAKE_SOURCE_DIR}/${source}" "${object}" FLAGS ${ARG_FLAGS})
        list(APPEND objects "${object}")
    endforeach()
    foreach(folder IN LISTS ARG_FOLDERS)
        string(REPLACE "/" "_" tag "${folder}")
        get_property(folder_objects GLOBAL PROPERTY talmo_fuzz_objects_${tag})
        if(NOT folder_objects)
            message(FATAL_ERROR "talmo_fuzz_objects(${folder}) must come before the fuzzer ${name}")
        endif()
        list(APPEND objects ${folder_objects})
        list(APPEND object_targets talmo_fuzz_objects_${tag})
    endforeach()
    set(executable "${TALMO_FUZZ_DIR}/${name}")
    set(source "${CMAKE_CURRENT_SOURCE_DIR}/fuzz/${name}.cpp")
    add_custom_command(OUTPUT "${executable}"
        COMMAND "${TALMO_CLANGXX}" ${TALMO_FUZZ_FLAGS} ${TALMO_FUZZ_QT_FLAGS} ${ARG_FLAGS} -fsanitize=fuzzer
                -MD -MF "${executable}.d" "${source}" ${objects} ${ARG_LIBS} -o "${executable}"
        DEPENDS "${source}" ${objects}
        DEPFILE "${executable}.d"
        COMMENT "Linking ${name}"
        VERBATIM)
    add_custom_target(${name} ALL DEPENDS "${executable}")
    if(object_targets)
        add_dependencies(${name} ${object_targets})
    endif()
    set(found "${TALMO_FUZZ_DIR}/${name}-found")
    file(MAKE_DIRECTORY "${found}")
    add_test(NAME ${name}
        COMMAND "${executable}" -max_total_time=${TALMO_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                -print_final_stats=1 "-artifact_prefix=${TALMO_FUZZ_DIR}/${name}-"
                "${found}" "${CMAKE_CURRENT_SOURCE_DIR}/fuzz/${name}-seeds")
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 LABELS fuzz)
endfunction()
