# The browser: WebAssembly with emscripten, each game a page of a static site. Its platform layer is
# proved in the browser itself, so no GoogleTest program runs; Node.js runs the browser tests.
set(GAME_TEST_RUNNER none)
set(GAME_CHECKS_DATA OFF)
set(GAME_SAVED_FILES_SOURCES posix/platform_files.cpp)

# Each game's page played in Debian's Chromium and WebKitGTK, and read by Orca in Chromium, Firefox ESR
# and WebKitGTK.
function(add_platform_end_to_end_tests)
  foreach(game scrambolo pebblix)
    if(NOT TARGET ${game}_web)
      continue()
    endif()
    add_test(NAME browser.${game} COMMAND node --test ${CMAKE_CURRENT_SOURCE_DIR}/web/${game}.test.mjs)
    set_tests_properties(browser.${game} PROPERTIES LABELS browser RUN_SERIAL TRUE TIMEOUT 400
      ENVIRONMENT "WEB_SITE=${WEB_SITE};WEB_ONE_FILE=${WEB_ONE_FILE}")
    # The paths that matter of the same suite in WebKitGTK, through WebKitWebDriver on a virtual display.
    add_test(NAME webkit.${game}
      COMMAND xvfb-run -a --server-args=-screen\ 0\ 1280x1024x24 node --test ${CMAKE_CURRENT_SOURCE_DIR}/web/${game}.test.mjs)
    set_tests_properties(webkit.${game} PROPERTIES LABELS browser RUN_SERIAL TRUE TIMEOUT 400
      ENVIRONMENT "WEB_SITE=${WEB_SITE};WEB_ENGINE=webkit")
  endforeach()
  # The word lists and programs that travel packed come back whole, in the page's own port code.
  add_test(NAME web.packed_files COMMAND node --test ${CMAKE_CURRENT_SOURCE_DIR}/web/packed_files.test.mjs)
  set_tests_properties(web.packed_files PROPERTIES LABELS browser ENVIRONMENT "WEB_SITE=${WEB_SITE}")
  # What a first visit fetches from a host that compresses nothing, in Chromium.
  add_test(NAME browser.first_visit COMMAND node --test ${CMAKE_CURRENT_SOURCE_DIR}/web/first_visit.test.mjs)
  set_tests_properties(browser.first_visit PROPERTIES LABELS browser RUN_SERIAL TRUE TIMEOUT 400
    ENVIRONMENT "WEB_SITE=${WEB_SITE}")
  # Both pages' menus against their command tables, as the games' own code prints them under Node.js.
  add_executable(menu_entries web/menu_entries.cpp ${PROJECT_SOURCE_DIR}/common/web/page_menu_terms.cpp)
  target_link_libraries(menu_entries PRIVATE scrambolo_game pebblix_logic)
  target_link_options(menu_entries PRIVATE -sENVIRONMENT=node)
  add_test(NAME browser.menus COMMAND node --test ${CMAKE_CURRENT_SOURCE_DIR}/web/menus.test.mjs)
  set_tests_properties(browser.menus PROPERTIES LABELS browser RUN_SERIAL TRUE TIMEOUT 400
    ENVIRONMENT "WEB_SITE=${WEB_SITE};MENU_ENTRIES=$<TARGET_FILE:menu_entries>")
  # Both pages as a phone, a zoomed window, a touch screen and a Mac's keyboard meet them, in Chromium.
  add_test(NAME browser.devices COMMAND node --test ${CMAKE_CURRENT_SOURCE_DIR}/web/devices.test.mjs)
  set_tests_properties(browser.devices PROPERTIES LABELS browser RUN_SERIAL TRUE TIMEOUT 400
    ENVIRONMENT "WEB_SITE=${WEB_SITE}")
  # Orca reading the pages in Chromium, Firefox ESR and WebKitGTK's MiniBrowser on a private desktop,
  # speech on: one scenario per browser and scenario_<name> of orca/browser_scenarios.py.
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
    add_test(NAME orca.webkit_${scenario}
      COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/orca/browser_run.py ${WEB_SITE} ${scenario}
              ${CMAKE_CURRENT_BINARY_DIR}/orca-webkit)
    set_tests_properties(orca.webkit_${scenario} PROPERTIES LABELS orca RUN_SERIAL TRUE TIMEOUT 400
      ENVIRONMENT WEB_BROWSER=webkit)
  endforeach()
endfunction()

# The site itself is the download (build/web/site/).
function(add_platform_packages)
endfunction()
