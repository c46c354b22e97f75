# What each scenario starts from and what must be on disk after it: prepare_NAME and verify_NAME.
# Word lists live in e2e/words; saved files are written and compared byte for byte.

prepare_smoke_editor() { :; }
verify_smoke_editor() { :; }

# Scrambolo: the word list in the system folder, diff.dat and highscore.dat beside the game.

prepare_scrambolo_startup() {
  system_file jmsit32.dll cat.txt
  beside diff.dat ' 34,56'
  beside highscore.dat '5\r\n'
}
verify_scrambolo_startup() {
  expect_bytes diff.dat '34\r\n'
  expect_bytes highscore.dat '5\r\n'
}

prepare_scrambolo_rebuild() {
  system_file jmsit32.dll lamp.txt
  beside diff.dat '34\r\n'
  beside highscore.dat '7\r\n'
}
verify_scrambolo_rebuild() {
  expect_bytes diff.dat '34\r\n'
  expect_bytes highscore.dat '7\r\n'
}

prepare_scrambolo_hints() {
  system_file jmsit32.dll planet.txt
  beside diff.dat '6\r\n'
  absent highscore.dat
}
verify_scrambolo_hints() {
  expect_bytes diff.dat '6\r\n'
  expect_absent highscore.dat
}

prepare_scrambolo_letter_range() {
  system_file jmsit32.dll ranges.txt
  beside diff.dat '34\r\n'
  absent highscore.dat
}
verify_scrambolo_letter_range() {
  expect_bytes diff.dat '6\r\n'
  expect_absent highscore.dat
}

prepare_scrambolo_time_up() {
  system_file jmsit32.dll cat.txt
  beside diff.dat '34\r\n'
  beside highscore.dat '0\r\n'
}
verify_scrambolo_time_up() {
  expect_bytes diff.dat '34\r\n'
  expect_bytes highscore.dat '1\r\n'
}

prepare_scrambolo_time_allowed() {
  system_file jmsit32.dll lamp.txt
  beside diff.dat '34\r\n'
  beside highscore.dat '7\r\n'
  absent timeallowed.dat
}
verify_scrambolo_time_allowed() {
  expect_bytes timeallowed.dat '10\r\n'
  expect_bytes diff.dat '34\r\n'
  expect_bytes highscore.dat '7\r\n'
  expect_absent highscore10.dat
}

prepare_scrambolo_missing_word_list() {
  system_file jmsit32.dll -
  beside diff.dat '45\r\n'
  absent highscore.dat
}
verify_scrambolo_missing_word_list() {
  expect_bytes diff.dat '45\r\n'
  expect_absent highscore.dat
}

# Pebblix: the dictionary in the system folder, pebblixoptions.dat and pebblixscor.dat beside the game.
# Its only word of five letters or more is "planets", so that word is dealt every time.

prepare_pebblix_welcome_and_keys() {
  system_file mswnby32.dll pebblix-planets.txt
  absent pebblixoptions.dat
  absent pebblixscor.dat
}
verify_pebblix_welcome_and_keys() {
  expect_bytes pebblixoptions.dat '#TRUE#\r\n'
  expect_absent pebblixscor.dat
}

prepare_pebblix_guesses() {
  system_file mswnby32.dll pebblix-planets.txt
  beside pebblixoptions.dat '#FALSE#\r\n'
  absent pebblixscor.dat
}
verify_pebblix_guesses() {
  expect_bytes pebblixoptions.dat '#FALSE#\r\n'
  expect_absent pebblixscor.dat
}

prepare_pebblix_time_up() {
  system_file mswnby32.dll pebblix-planets.txt
  beside pebblixoptions.dat '#FALSE#\r\n'
  absent pebblixscor.dat
}
verify_pebblix_time_up() {
  expect_bytes pebblixoptions.dat '#FALSE#\r\n'
  expect_bytes pebblixscor.dat ' 3 \r\n'
}

prepare_pebblix_menus() {
  system_file mswnby32.dll pebblix-planets.txt
  absent pebblixoptions.dat
  beside pebblixscor.dat ' 9 \r\n'
}
verify_pebblix_menus() {
  expect_bytes pebblixoptions.dat '#FALSE#\r\n'
  expect_bytes pebblixscor.dat ' 9 \r\n'
}

prepare_pebblix_accessible_names() {
  system_file mswnby32.dll pebblix-planets.txt
  beside pebblixoptions.dat '#FALSE#\r\n'
  absent pebblixscor.dat
}
verify_pebblix_accessible_names() {
  expect_bytes pebblixoptions.dat '#FALSE#\r\n'
}

prepare_scrambolo_double_click() {
  system_file jmsit32.dll lamp.txt
  beside diff.dat '34\r\n'
  absent highscore.dat
}
verify_scrambolo_double_click() {
  expect_bytes diff.dat '34\r\n'
  expect_absent highscore.dat
}

# A per-user install under a user name outside the code page, in folders of Greek, Japanese and
# emoji names, deep enough that the path alone passes 260 characters.
any_folder() {
  local deep="Очень длинная папка для проверки путей"
  printf '%s' "Users/Юлия/AppData/Local/Programs/Ελληνικά παιχνίδια/日本語のゲーム/🎲 Игры со словами"
  printf '/%s' "$deep 1" "$deep 2" "$deep 3" "$deep 4" "$deep 5"
}

# The scenario ends with a log-off under "Time Is Up": the robot ends the game's process as soon
# as it has answered the session's end, and the new high score must already be on disk.
folder_scrambolo_any_folder() { any_folder; }
prepare_scrambolo_any_folder() {
  system_file jmsit32.dll -
  list_beside jmsit32.dll lamp.txt
  beside diff.dat '34\r\n'
  absent highscore.dat
}
verify_scrambolo_any_folder() {
  expect_bytes highscore.dat '1\r\n'
  expect_bytes diff.dat '34\r\n'
}

folder_scrambolo_any_folder_no_list() { any_folder; }
prepare_scrambolo_any_folder_no_list() {
  system_file jmsit32.dll -
  beside diff.dat '45\r\n'
  absent highscore.dat
}
verify_scrambolo_any_folder_no_list() {
  expect_bytes diff.dat '45\r\n'
  expect_absent highscore.dat
}

prepare_pebblix_cues() {
  system_file mswnby32.dll pebblix-planets.txt
  absent pebblixoptions.dat
  absent pebblixscor.dat
}
verify_pebblix_cues() {
  expect_bytes pebblixoptions.dat '#TRUE#\r\n'
  expect_bytes pebblixscor.dat ' 7 \r\n'
}

folder_pebblix_any_folder() { any_folder; }
prepare_pebblix_any_folder() {
  system_file mswnby32.dll -
  list_beside mswnby32.dll pebblix-planets.txt
  absent pebblixoptions.dat
  absent pebblixscor.dat
}
verify_pebblix_any_folder() {
  expect_bytes pebblixoptions.dat '#TRUE#\r\n'
  expect_bytes pebblixscor.dat ' 3 \r\n'
}

prepare_scrambolo_accessible_names() {
  system_file jmsit32.dll planet.txt
  beside diff.dat '6\r\n'
  absent highscore.dat
}
verify_scrambolo_accessible_names() {
  expect_bytes diff.dat '6\r\n'
}

# The demos of tools/play.sh --demo: small known lists, and a screenshot for every step shown.

expect_screenshots() {
  local count
  count=$(find "$game_dir/shots" -name '*.bmp' -size +10k 2>/dev/null | wc -l)
  if [ "$count" -ne "$1" ]; then
    echo "expected $1 screenshots in shots/, found $count"
    exit 1
  fi
}

prepare_demo_scrambolo() {
  system_file jmsit32.dll planet.txt
  beside diff.dat '6\r\n'
  absent highscore.dat
}
verify_demo_scrambolo() {
  expect_bytes diff.dat '6\r\n'
  expect_screenshots 4
}

prepare_demo_pebblix() {
  system_file mswnby32.dll pebblix-planets.txt
  beside pebblixoptions.dat '#TRUE#\r\n'
  absent pebblixscor.dat
}
verify_demo_pebblix() {
  expect_bytes pebblixoptions.dat '#TRUE#\r\n'
  expect_screenshots 4
}
