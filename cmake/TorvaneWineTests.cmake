# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2025-2026 Torvane Tables
# The Windows build's GoogleTest programs as CTest tests (tests/CMakeLists.txt
# includes this). Cross-built on Linux they run under wine, through CTest's
# emulator tests/windows/wine-run.sh, in a wine prefix and on an Xvfb display
# of the build tree's own, which two fixtures provide:
#   WineDisplay  Wine.StartDisplay starts the private Xvfb, Wine.Stop stops
#                wine and that Xvfb after the last test;
#   WinePrefix   Wine.Prefix makes the prefix (wineboot) unless it is there,
#                and waits until wine is idle.
# On Windows itself the programs simply run.
include(GoogleTest)

if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
  set(TORVANE_WINE ON)
  foreach(program wine wineboot wineserver Xvfb)
    # On PATH, as wine-run.sh runs them.
    find_program(TORVANE_${program}_PROGRAM ${program} NO_CMAKE_PATH NO_CMAKE_ENVIRONMENT_PATH
                 NO_CMAKE_SYSTEM_PATH)
    if(NOT TORVANE_${program}_PROGRAM)
      message(FATAL_ERROR "The Windows tests run under wine on Xvfb, and ${program} is missing: "
                          "install the packages of packages/windows.txt (scripts/deps.sh "
                          "windows), or configure with -DBUILD_TESTING=OFF")
    endif()
  endforeach()

  set(run ${CMAKE_CROSSCOMPILING_EMULATOR})
  add_test(NAME Wine.StartDisplay COMMAND ${run} --display ${PROJECT_BINARY_DIR})
  add_test(NAME Wine.Prefix COMMAND ${run} --prefix ${PROJECT_BINARY_DIR})
  add_test(NAME Wine.Stop COMMAND ${run} --stop ${PROJECT_BINARY_DIR})
  # Wine.Prefix comes once the private display runs, so whatever wine shows
  # goes there; the cleanup comes after both and after every test.
  set_tests_properties(Wine.StartDisplay PROPERTIES FIXTURES_SETUP WineDisplay TIMEOUT 30)
  set_tests_properties(Wine.Prefix PROPERTIES FIXTURES_SETUP WinePrefix
                       FIXTURES_REQUIRED WineDisplay TIMEOUT 300)
  set_tests_properties(Wine.Stop PROPERTIES FIXTURES_CLEANUP WineDisplay TIMEOUT 30)
  set_tests_properties(Wine.StartDisplay Wine.Prefix Wine.Stop PROPERTIES LABELS windows)
else()
  set(TORVANE_WINE OFF)
endif()

# torvane_wine_tests(TARGET [ONE_AT_A_TIME] [TIMEOUT SECONDS] [LABELS LABEL...])
# Makes each test of the GoogleTest program TARGET a CTest test labelled
# windows and LABELS, which under wine needs both fixtures. ONE_AT_A_TIME:
# the tests use the keyboard focus and real input, of which a desktop has
# one, so no two of them run at once (other tests still run beside them).
# TIMEOUT: each test's limit, 120 s unless given.
#
# The names are listed when CTest starts (DISCOVERY_MODE PRE_TEST), since
# a cross build cannot run the program while it builds it. That listing
# comes before any test, so before the fixtures: wine-run.sh then runs the
# program without a display (listing opens no window) and makes the
# prefix itself if it is the first, whence the generous DISCOVERY_TIMEOUT.
#
# The labels and fixtures are set by a script of our own that CTest reads
# after gtest_discover_tests' list: its PROPERTIES hands each item of a list
# on as a word of its own, so "logic;windows" would not arrive as two labels.
function(torvane_wine_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "ONE_AT_A_TIME" "TIMEOUT" "LABELS")
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  set(properties TIMEOUT ${arg_TIMEOUT})
  if(arg_ONE_AT_A_TIME)
    list(APPEND properties RESOURCE_LOCK desktop_input)
  endif()
  gtest_discover_tests(${target} NO_PRETTY_VALUES
    DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 180
    TEST_LIST ${target}_TESTS
    PROPERTIES ${properties})

  set(labels ${arg_LABELS} windows)
  set(fixtures "")
  if(TORVANE_WINE)
    set(fixtures [[FIXTURES_REQUIRED "WinePrefix;WineDisplay"]])
  endif()
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_properties.cmake)
  file(CONFIGURE OUTPUT ${script} @ONLY CONTENT [[
# Written by torvane_wine_tests() (cmake/TorvaneWineTests.cmake).
if(@target@_TESTS)
  set_tests_properties(${@target@_TESTS} PROPERTIES LABELS "@labels@" @fixtures@)
endif()
]])
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
endfunction()
