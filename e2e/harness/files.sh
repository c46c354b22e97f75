# Helpers for a scenario's files: word lists in the prefix's system folder, saved files beside the game.
# Byte strings are written and compared with printf escapes, so '6\r\n' means the three bytes 6 CR LF.

words_dir="$here/../words"

# system_file NAME LIST: puts e2e/words/LIST in the system folder as NAME; LIST "-" removes NAME.
system_file() {
  rm -f "$system32/$1"
  if [ "$2" != "-" ]; then
    cp "$words_dir/$2" "$system32/$1"
  fi
}

# list_beside NAME LIST: puts e2e/words/LIST beside the game as NAME, for a copy that carries its own list.
list_beside() {
  cp "$words_dir/$2" "$game_dir/$1"
}

# beside NAME BYTES: writes a saved file beside the game.
beside() {
  printf '%b' "$2" >"$game_dir/$1"
}

# absent NAME: removes a saved file beside the game.
absent() {
  rm -f "$game_dir/$1"
}

# expect_bytes NAME BYTES: the saved file holds exactly these bytes.
expect_bytes() {
  local expected
  expected=$(mktemp)
  printf '%b' "$2" >"$expected"
  if [ ! -f "$game_dir/$1" ]; then
    echo "expected $1 to hold $(od -An -c "$expected" | tr -s ' '), but there is no such file"
    rm -f "$expected"
    exit 1
  fi
  if ! cmp -s "$expected" "$game_dir/$1"; then
    echo "expected $1 to hold$(od -An -c "$expected" | tr -s ' ')"
    echo "but it holds       $(od -An -c "$game_dir/$1" | tr -s ' ')"
    rm -f "$expected"
    exit 1
  fi
  rm -f "$expected"
}

# expect_absent NAME: no such saved file beside the game.
expect_absent() {
  if [ -e "$game_dir/$1" ]; then
    echo "expected no $1, but it holds $(od -An -c "$game_dir/$1" | tr -s ' ')"
    exit 1
  fi
}
