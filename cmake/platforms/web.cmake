# The browser: WebAssembly with emscripten, each game a page of a static site. Its platform layer is
# proved in the browser itself, so no GoogleTest program runs; Node.js runs the browser tests.
set(GAME_TEST_RUNNER none)
set(GAME_CHECKS_DATA OFF)
set(GAME_SAVED_FILES_SOURCES posix/platform_files.cpp)

# Each game's page played in Debian's Chromium, and read by Orca in Chromium and Firefox ESR.
function(add_platform_end_to_end_tests)
  foreach(game scrambolo pebblix)
    if(NOT TARGET ${game}_web)
      continue()
    endif()
    add_test(NAME browser.${game} COMMAND node --test ${CMAKE_CURRENT_SOURCE_DIR}/web/${game}.test.mjs)
    set_tests_properties(browser.${game} PROPERTIES LABELS browser RUN_SERIAL TRUE TIMEOUT 400
      ENVIRONMENT "WEB_SITE=${WEB_SITE};WEB_ONE_FILE=${WEB_ONE_FILE}")
  endforeach()
  # Orca reading the pages in Chromium and in Firefox ESR on a private desktop, speech on: one
  # scenario per browser and scenario_<name> of orca/browser_scenarios.py.
  set(scenarios_file ${CMAKE_CURRENT_SOURCE_DIR}/orca/browser_scenarios.py)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${scenarios_file})
  file(STRINGS ${scenarios_file} definitions REGEX "^def scenario_[a-z0-9_]+\\(")
  foreach(definition IN LISTS definitions)
    string(REGEX REPLACE "^def scenario_([a-z0-9_]+)\\(.*" "\\1" scenario "${definition}")
    add_test(NAME orca.browser_${scenario}
      COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/orca/browser_run.py ${WEB_SITE} ${scenario}
              ${CMAKE_CURRENT_BINARY_DIR}/orca)
    set_tests_properties(orca.browser_${scenario} PROPERTIES LABELS orca RUN_SERIAL TRUE TIMEOUT 400)
    add_test(NAME orca.firefox_${scenario}
      COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/orca/browser_run.py ${WEB_SITE} ${scenario}
              ${CMAKE_CURRENT_BINARY_DIR}/orca-firefox)
    set_tests_properties(orca.firefox_${scenario} PROPERTIES LABELS orca RUN_SERIAL TRUE TIMEOUT 400
      ENVIRONMENT WEB_BROWSER=firefox)
  endforeach()
endfunction()

# The site itself is the download (build/web/site/).
function(add_platform_packages)
endfunction()
