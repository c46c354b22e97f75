# Windows: the MinGW-w64 cross build (cmake/mingw-w64-x86_64.cmake), its test programs run under
# Wine. Menus, shortcut keys, icons and manifests are resources compiled by windres.
enable_language(RC)
set(GAME_TEST_RUNNER emulated)
set(GAME_CHECKS_DATA OFF)
# The saved files' operations through Windows' wide calls, under any folder name.
set(GAME_SAVED_FILES_SOURCES win32/platform_files.cpp win32/wide_text.cpp)

# A robot that plays the real games under Wine with keyboard and mouse.
function(add_platform_end_to_end_tests)
  add_executable(robot
    robot/robot_main.cpp
    robot/cues.cpp
    robot/desktop.cpp
    robot/keyboard.cpp
    robot/mouse.cpp
    robot/steps.cpp
    robot/smoke_scenarios.cpp
    robot/scrambolo_board.cpp
    robot/scrambolo_scenarios.cpp
    robot/pebblix_scenarios.cpp
    robot/screenshot.cpp)
  target_include_directories(robot PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(robot PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
  target_link_libraries(robot PRIVATE common oleacc ole32 oleaut32 user32 gdi32)

  # Each scenario is one ctest test run by the harness with bash (not under the Wine emulator): it
  # owns the display's foreground and the end-to-end prefix while it runs, so scenarios run one by one.
  set(E2E_HARNESS ${CMAKE_CURRENT_SOURCE_DIR}/harness/run_scenario.sh)
  function(add_e2e_scenario scenario game)
    add_test(NAME e2e.${scenario}
      COMMAND bash ${E2E_HARNESS} ${scenario} ${game} $<TARGET_FILE:robot> ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(e2e.${scenario} PROPERTIES LABELS e2e RUN_SERIAL TRUE TIMEOUT 420)
  endfunction()

  add_e2e_scenario(smoke_editor notepad)

  # Scenarios are registered only for the games this tree builds; each runs on a fresh copy of the exe.
  if(TARGET scrambolo)
    foreach(scenario startup rebuild hints letter_range time_up missing_word_list double_click any_folder
            any_folder_no_list accessible_names)
      add_e2e_scenario(scrambolo_${scenario} $<TARGET_FILE:scrambolo>)
    endforeach()
    # The demo of tools/play.sh --demo, kept working by playing it with the rest.
    add_e2e_scenario(demo_scrambolo $<TARGET_FILE:scrambolo>)
  endif()
  if(TARGET pebblix)
    foreach(scenario welcome_and_keys guesses time_up menus cues any_folder accessible_names)
      add_e2e_scenario(pebblix_${scenario} $<TARGET_FILE:pebblix>)
    endforeach()
    add_e2e_scenario(demo_pebblix $<TARGET_FILE:pebblix>)
  endif()
endfunction()

# A zip per game and the per-user installer, with the installer's check under Wine.
function(add_platform_packages)
  set(PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages)
  set(PACKAGE_FILES
    ${PACKAGE_DIR}/Scrambolo-1.0-win64.zip
    ${PACKAGE_DIR}/Pebblix-1.0-win64.zip
    ${PACKAGE_DIR}/LanternfoldWordGames-1.0-setup.exe)
  file(GLOB PACKAGE_INPUTS CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/data/sounds/*.wav ${PROJECT_SOURCE_DIR}/data/help/* ${PROJECT_SOURCE_DIR}/data/*.dll
    ${CMAKE_CURRENT_SOURCE_DIR}/*.txt ${CMAKE_CURRENT_SOURCE_DIR}/*.nsi ${CMAKE_CURRENT_SOURCE_DIR}/*.sh)
  add_custom_command(OUTPUT ${PACKAGE_FILES}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/make_packages.sh
            $<TARGET_FILE_DIR:scrambolo> $<TARGET_FILE_DIR:pebblix> ${PACKAGE_DIR}
    DEPENDS scrambolo pebblix $<TARGET_FILE:scrambolo> $<TARGET_FILE:pebblix> ${PACKAGE_INPUTS}
    COMMENT "Making the zips and the installer"
    VERBATIM)
  add_custom_target(packages ALL DEPENDS ${PACKAGE_FILES})

  add_test(NAME installer_under_wine
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/check_installer.sh
            ${PACKAGE_DIR}/LanternfoldWordGames-1.0-setup.exe ${CMAKE_BINARY_DIR}/installer-check)
  set_tests_properties(installer_under_wine PROPERTIES LABELS "package" RUN_SERIAL TRUE TIMEOUT 300)
endfunction()
