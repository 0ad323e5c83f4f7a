# tavlix_add_gtest(<target> SOURCES <files...> LIBRARIES <libs...> [RESOURCE_LOCK <name>] [QT] [LAB])
#
# One GoogleTest executable; every TEST becomes its own CTest case through
# gtest_discover_tests. Discovery runs when CTest starts, not at build time,
# so building never needs a display or a free port.
# RESOURCE_LOCK serialises executables that bind a fixed port (7772, 9001).
# They all take the one lock "fixedports": a program that hosts on 7772 also
# opens its presence connection to 9001, where a launcher test may listen.
# QT links Qt Test and the shared test support library.
# LAB labels the cases "lab": they build network labs (tests/labs) and need
# root. A case that calls GTEST_SKIP counts as skipped in CTest, not as
# passed, so a run's counts say what did not run.
include(GoogleTest)
find_package(GTest REQUIRED)

function(tavlix_add_gtest target)
  cmake_parse_arguments(ARG "QT;LAB" "RESOURCE_LOCK" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gtest)
  if(ARG_QT)
    target_link_libraries(${target} PRIVATE tavlix_testsupport Qt6::Test)
  else()
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  # The tests read the English source texts, whatever language the desktop
  # that runs them speaks; tests of other languages choose theirs. Each
  # property takes one value here: a list ("a;b") would split into
  # names and values and lose the properties that follow it.
  set(props ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ENVIRONMENT_MODIFICATION "LANGUAGE=set:en"
    SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
  if(ARG_LAB)
    list(APPEND props LABELS lab)
  endif()
  if(ARG_RESOURCE_LOCK)
    list(APPEND props RESOURCE_LOCK ${ARG_RESOURCE_LOCK})
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ${props} TIMEOUT 120)
endfunction()
