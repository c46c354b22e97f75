# The platform this build makes the games for, picked in one place: GAME_PLATFORM, a cache variable
# a developer may set (cmake --preset linux -DGAME_PLATFORM=<name>), by default the platform the
# toolchain builds for: win32 with the MinGW-w64 toolchain, web with emscripten's, qt natively.
# Everything a platform needs of the build is in cmake/platforms/<name>.cmake, which sets its hooks:
#   GAME_TEST_RUNNER         how test programs run: native (each test case a ctest test), emulated
#                            (each program one test, under the toolchain's emulator) or none
#   GAME_CHECKS_DATA         ON when the build also checks the shipped data and the guide's layout
#   GAME_SAVED_FILES_SOURCES the saved files' few platform operations that common/ builds
#   add_platform_end_to_end_tests()  registers the end-to-end tests (called from e2e/)
#   add_platform_packages()          makes the downloads (called from packaging/)
# Every part (common/, scrambolo/, pebblix/) keeps its portable code at its top and one folder per
# platform beside it, and builds the folder named here. Another platform is one more file there and
# one more folder in each part.
if(WIN32)
  set(default_platform win32)
elseif(EMSCRIPTEN)
  set(default_platform web)
else()
  set(default_platform qt)
endif()
set(GAME_PLATFORM ${default_platform} CACHE STRING "The platform the games are built for (a file of cmake/platforms/)")
file(GLOB platform_files RELATIVE ${CMAKE_CURRENT_LIST_DIR}/platforms ${CMAKE_CURRENT_LIST_DIR}/platforms/*.cmake)
string(REPLACE ".cmake" "" known_platforms "${platform_files}")
set_property(CACHE GAME_PLATFORM PROPERTY STRINGS ${known_platforms})
if(NOT GAME_PLATFORM IN_LIST known_platforms)
  message(FATAL_ERROR "GAME_PLATFORM is ${GAME_PLATFORM}; cmake/platforms/ knows: ${known_platforms}")
endif()
include(${CMAKE_CURRENT_LIST_DIR}/platforms/${GAME_PLATFORM}.cmake)

# add_platform_folder(): the platform folder of the part whose CMakeLists.txt calls it, when it has one.
function(add_platform_folder)
  if(EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${GAME_PLATFORM}/CMakeLists.txt")
    add_subdirectory(${GAME_PLATFORM})
  endif()
endfunction()

# add_game_data(TARGET file...): the data files a game plays, opens and reads. They are copied beside
# the built program, which then runs from its build folder, and kept on the target as GAME_DATA_FILES
# for the packages.
function(add_game_data target)
  set_property(TARGET ${target} PROPERTY GAME_DATA_FILES ${ARGN})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ARGN} $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
