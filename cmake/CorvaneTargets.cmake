# Core code holds Shift_JIS (code page 932) text in std::string. Its sources are
# UTF-8 and are compiled so that every literal is already code page 932 bytes.
# The warnings every target of ours is built with, front ends included.
function(corvane_warning_options target)
    target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror>)
    # GCC 12 at -O3 reports false overlaps inside std::string (GCC bug 105329);
    # under -Werror they would break Release builds of correct code.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wno-restrict>)
    endif()
endfunction()

# Clang takes no -fexec-charset but UTF-8: it compiles copies of the sources
# whose literals scripts/cp932-literals.py wrote as code page 932 escapes.
# Deferred to the end of the directory, so that sources added later are
# copied too.
function(corvane_cp932_copies target)
    get_target_property(sources ${target} SOURCES)
    get_property(made GLOBAL PROPERTY CORVANE_CP932_COPIES)
    set(copies)
    foreach(source IN LISTS sources)
        cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" OUTPUT_VARIABLE original)
        if(NOT original MATCHES "\\.cpp$")
            list(APPEND copies "${source}")
            continue()
        endif()
        cmake_path(RELATIVE_PATH original BASE_DIRECTORY "${PROJECT_SOURCE_DIR}" OUTPUT_VARIABLE relative)
        set(copy "${PROJECT_BINARY_DIR}/cp932/${relative}")
        if(NOT copy IN_LIST made)
            add_custom_command(OUTPUT "${copy}"
                COMMAND Python3::Interpreter "${PROJECT_SOURCE_DIR}/scripts/cp932-literals.py" "${original}" "${copy}"
                DEPENDS "${original}" "${PROJECT_SOURCE_DIR}/scripts/cp932-literals.py"
                COMMENT "Code page 932 literals of ${relative}" VERBATIM)
            list(APPEND made "${copy}")
        endif()
        cmake_path(GET original PARENT_PATH folder)
        # The copy's own folder is elsewhere: its quoted includes look in the original's.
        set_source_files_properties("${copy}" PROPERTIES COMPILE_OPTIONS "-iquote;${folder}")
        list(APPEND copies "${copy}")
    endforeach()
    set_property(GLOBAL PROPERTY CORVANE_CP932_COPIES "${made}")
    set_property(TARGET ${target} PROPERTY SOURCES "${copies}")
endfunction()

function(corvane_core_options target)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # A deferred call reads its arguments when it runs: the name goes in now.
        cmake_language(EVAL CODE "cmake_language(DEFER CALL corvane_cp932_copies [[${target}]])")
    else()
        target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
    endif()
    corvane_warning_options(${target})
    target_compile_features(${target} PUBLIC cxx_std_20)
endfunction()

# A core library: standard library only, literals in code page 932.
function(corvane_core_library name)
    add_library(${name} STATIC ${ARGN})
    corvane_core_options(${name})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
endfunction()

# A test executable of core code, compiled like the core so that its Japanese
# literals compare with what the core produces.
function(corvane_core_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    corvane_core_options(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}" "${PROJECT_SOURCE_DIR}/tests")
    target_compile_definitions(${name} PRIVATE CORVANE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    if(WIN32)
        # The version resource that the XML writer reads back.
        target_link_libraries(${name} PRIVATE corvane_version_resource)
    endif()
    if(CMAKE_CROSSCOMPILING)
        # One test per suite: listing every case would start the emulator (wine) once per case.
        add_test(NAME ${name} COMMAND ${name})
    else()
        # Named SUITE.Case.Name: scripts/check-test-count.sh counts the cases per suite.
        gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
