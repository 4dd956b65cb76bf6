# smesi_add_test(<name> SOURCES ... LABEL unit|db|ui [LIBS ...] [TIMEOUT s])
# One executable per test file; db and ui tests need the private database fixture.
function(smesi_add_test name)
    cmake_parse_arguments(T "" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(T_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "smesi_add_test(${name}): unknown arguments ${T_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT T_LABEL MATCHES "^(unit|db|ui)$")
        message(FATAL_ERROR "smesi_add_test(${name}): LABEL must be unit, db or ui")
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    if(T_LABEL STREQUAL "ui")
        target_link_libraries(${name} PRIVATE ${T_LIBS} testcommon_ui GTest::gtest)
    else()
        target_link_libraries(${name} PRIVATE ${T_LIBS} testcommon GTest::gtest)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set(env
        "QT_QPA_PLATFORM=offscreen"
        "LANG=C.UTF-8"
        "SMESI_TEST_PORT=${SMESI_TEST_PORT}"
        "SMESI_SQL_DIR=${CMAKE_SOURCE_DIR}/sql"
        "SMESI_TOOLS_DIR=${CMAKE_SOURCE_DIR}/tools"
        "SMESI_TEST_TMP=${CMAKE_BINARY_DIR}/testtmp"
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
        "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    set_tests_properties(${name} PROPERTIES LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${env}")
    if(T_LABEL STREQUAL "db" OR T_LABEL STREQUAL "ui")
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED mariadb)
    endif()
endfunction()
