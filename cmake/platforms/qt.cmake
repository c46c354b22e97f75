# Linux, natively, with Qt 6 Widgets, its sounds played through the desktop's sound server, and Qt
# D-Bus for what it tells the screen reader beyond what Qt itself does.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets DBus)
set(GAME_TEST_RUNNER native)
set(GAME_CHECKS_DATA ON)
set(GAME_SAVED_FILES_SOURCES posix/platform_files.cpp)

# The Linux games played by keyboard on a private desktop while Orca listens.
function(add_platform_end_to_end_tests)
  # Each scenario_<name> function of orca/<game>_scenarios.py is one test, on its own private
  # desktop; they run one at a time so a busy machine does not starve the screen reader.
  foreach(game scrambolo pebblix)
    set(scenarios_file ${CMAKE_CURRENT_SOURCE_DIR}/orca/${game}_scenarios.py)
    if(NOT TARGET ${game} OR NOT EXISTS ${scenarios_file})
      continue()
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${scenarios_file})
    file(STRINGS ${scenarios_file} definitions REGEX "^def scenario_[a-z0-9_]+\\(")
    foreach(definition IN LISTS definitions)
      string(REGEX REPLACE "^def scenario_([a-z0-9_]+)\\(.*" "\\1" scenario "${definition}")
      add_test(NAME orca.${game}_${scenario}
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/orca/run.py $<TARGET_FILE:${game}> ${scenario}
                ${CMAKE_CURRENT_BINARY_DIR}/orca)
      set_tests_properties(orca.${game}_${scenario} PROPERTIES LABELS orca RUN_SERIAL TRUE TIMEOUT 400)
    endforeach()
  endforeach()
endfunction()

# The .deb with both games, and its installed check (packaging/linux/).
function(add_platform_packages)
  add_subdirectory(linux)
endfunction()
