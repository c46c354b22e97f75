# The platform this build makes the games for, picked in one place. Every part (common/, scrambolo/,
# pebblix/) keeps its portable code at its top and one folder per platform beside it, and builds the
# folder named here: win32 for Windows (the MinGW-w64 cross build), qt for Linux (natively, with Qt 6
# Widgets, its sounds played through the desktop's sound server, and Qt D-Bus for what it tells the
# screen reader beyond what Qt itself does), web for the browser (WebAssembly with emscripten, each
# game a page of a static site). Another platform is one more branch here and one more folder in
# each part.
if(WIN32)
  set(GAME_PLATFORM win32)
  # Menus, shortcut keys, icons and manifests are resources compiled by windres.
  enable_language(RC)
elseif(EMSCRIPTEN)
  set(GAME_PLATFORM web)
elseif(NOT CMAKE_CROSSCOMPILING)
  set(GAME_PLATFORM qt)
  find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets DBus)
endif()

# add_platform_folder(): the platform folder of the part whose CMakeLists.txt calls it, when it has one.
function(add_platform_folder)
  if(GAME_PLATFORM AND EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${GAME_PLATFORM}/CMakeLists.txt")
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
