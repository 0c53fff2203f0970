# Shared helpers for the project's targets.

# Applies the project's warning flags to one of our own targets.
function(tembrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
  if(TEMBREL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Declares a library of one layer: tembrel_add_library(core SOURCES ... DEPS ...)
# gives the target tembrel_core with the alias tembrel::core. Headers are
# included by their path from the repository root ("core/leap_week.h").
function(tembrel_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  set(target tembrel_${name})
  add_library(${target} STATIC ${ARG_SOURCES})
  add_library(tembrel::${name} ALIAS ${target})
  target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
  target_compile_features(${target} PUBLIC cxx_std_20)
  if(ARG_DEPS)
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  endif()
  if(ARG_PRIVATE_DEPS)
    target_link_libraries(${target} PRIVATE ${ARG_PRIVATE_DEPS})
  endif()
  tembrel_warnings(${target})
endfunction()

# Registers a GoogleTest executable against the shared test main:
# tembrel_add_test(core_leap_week SOURCES leap_week_test.cpp DEPS tembrel::core
#                  [LABELS long] [TIMEOUT seconds])
# A test labelled "long" is registered as one CTest test (it runs for minutes);
# all others are discovered case by case.
function(tembrel_add_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;DEPS;LABELS" ${ARGN})
  set(target test_${name})
  add_executable(${target} ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} tembrel_test_main)
  tembrel_warnings(${target})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  if("long" IN_LIST ARG_LABELS)
    add_test(NAME ${name} COMMAND ${target})
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT})
  else()
    gtest_discover_tests(${target}
      TEST_PREFIX "${name}."
      PROPERTIES LABELS unit TIMEOUT ${ARG_TIMEOUT}
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Registers a Qt Test executable that drives real windows on the offscreen
# platform: tembrel_add_qt_test(main_window SOURCES main_window_test.cpp
#                               DEPS tembrel::ui_qt [TIMEOUT seconds])
# gives the executable test_<name> (with moc) and the CTest test <name>.
function(tembrel_add_qt_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
  set(target test_${name})
  add_executable(${target} ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES
    AUTOMOC ON
    RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} Qt6::Test tembrel_test_support)
  target_include_directories(${target} PRIVATE "${CMAKE_CURRENT_SOURCE_DIR}")
  tembrel_warnings(${target})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_test(NAME ${name} COMMAND ${target})
  set_tests_properties(${name} PROPERTIES
    LABELS unit
    TIMEOUT ${ARG_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Sets `out` to the time of the sources in seconds since 1970: SOURCE_DATE_EPOCH
# when it is set, else the time of the last commit, else now (a source tree
# without its history).
function(tembrel_source_date_epoch out)
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
  if(NOT epoch)
    execute_process(
      COMMAND git log -1 --format=%ct
      WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
      OUTPUT_VARIABLE epoch
      OUTPUT_STRIP_TRAILING_WHITESPACE
      ERROR_QUIET)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    string(TIMESTAMP epoch "%s" UTC)
  endif()
  set(${out} "${epoch}" PARENT_SCOPE)
endfunction()

# Sets `out` to the time of the sources (tembrel_source_date_epoch) written
# with a string(TIMESTAMP) format, in UTC.
function(tembrel_format_source_date out format)
  set(former "$ENV{SOURCE_DATE_EPOCH}")
  set(ENV{SOURCE_DATE_EPOCH} "${TEMBREL_SOURCE_DATE_EPOCH}")
  string(TIMESTAMP text "${format}" UTC)
  set(ENV{SOURCE_DATE_EPOCH} "${former}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
