# GoogleTest and Google Benchmark for every build, and one way to register a test program, as the
# platform runs its test programs (GAME_TEST_RUNNER, cmake/Platforms.cmake).
#
# Natively the system's GoogleTest is used; an emulated build (Windows, under Wine) compiles
# GoogleTest from the sources Debian ships, so the same suites run there.
include(CTest)

# A build that runs no GoogleTest suites (the browser's platform layer is proved in the browser
# itself, and a build only to play, -DBUILD_TESTING=OFF, runs none) declares the test programs, so
# their link settings stand, and never builds them.
if(GAME_TEST_RUNNER STREQUAL "none" OR NOT BUILD_TESTING)
  function(add_game_test name)
    add_executable(${name} EXCLUDE_FROM_ALL ${ARGN})
  endfunction()
  function(add_game_benchmark name)
  endfunction()
  return()
endif()

if(GAME_TEST_RUNNER STREQUAL "emulated")
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
else()
  find_package(GTest REQUIRED)
  find_package(benchmark QUIET)
endif()

# add_game_test(NAME source...) builds one test program and registers it once: natively ctest
# sees each test case, under Wine the whole program is one test (one Wine start, not one per case).
function(add_game_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  if(GAME_TEST_RUNNER STREQUAL "emulated")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "wine")
  else()
    include(GoogleTest)
    gtest_discover_tests(${name} PROPERTIES LABELS "native")
  endif()
endfunction()

# add_game_benchmark(NAME source...) builds a Google Benchmark program natively; it is not a test.
function(add_game_benchmark name)
  if(GAME_TEST_RUNNER STREQUAL "native" AND benchmark_FOUND)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE benchmark::benchmark_main)
  endif()
endfunction()
