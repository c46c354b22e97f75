#!/usr/bin/env bash
# Checks that the games' data files (word lists, sound cues, help texts) keep their formats; exits non-zero on any fault.
set -euo pipefail

# Usage: check_data.sh [DATA_DIR]   (default: the folder of this script)

export LC_ALL=C

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dir=${1:-$here}

passed=0
failed=0
ok() { passed=$((passed + 1)); }
bad() { failed=$((failed + 1)); echo "FAIL: $*"; }

# check DESCRIPTION COMMAND...: the command must succeed; what it prints explains a failure.
check() {
    local what=$1 out
    shift
    if out=$("$@" 2>&1); then
        ok
    else
        bad "$what"
        if [ -n "$out" ]; then printf '%s\n' "$out" | head -5 | sed 's/^/    /' || true; fi
    fi
    return 0
}

# ---- helpers (each returns non-zero and prints the offending lines on a fault) ----

exists_nonempty() { [ -s "$1" ] || { echo "missing or empty: $1"; return 1; }; }

# Every line ends in CR LF, the last one included; no other CR anywhere.
crlf_lines() {
    local f=$1 n
    exists_nonempty "$f" || return 1
    [ "$(tail -c 2 "$f" | od -An -tx1 | tr -d ' \n')" = "0d0a" ] || { echo "last line does not end in CR LF"; return 1; }
    n=$(grep -c -v $'\r$' "$f" || true)
    [ "$n" -eq 0 ] || { echo "$n line(s) without CR before LF, first:"; grep -n -v $'\r$' "$f" | head -3; return 1; }
    n=$(grep -c $'\r.' "$f" || true)
    [ "$n" -eq 0 ] || { echo "$n line(s) with a stray CR inside"; return 1; }
}

# The lines of a CR LF file without their CR.
lines_of() { sed 's/\r$//' "$1"; }

none_match() { # FILE REGEX [-v]: no line (of the CR-stripped file) matches / fails to match
    local f=$1 re=$2 mode=${3:-} hits
    if [ "$mode" = -v ]; then hits=$(lines_of "$f" | grep -n -v -x -e "$re" || true)
    else hits=$(lines_of "$f" | grep -n -x -e "$re" || true); fi
    [ -z "$hits" ] || { echo "$(printf '%s\n' "$hits" | wc -l) offending line(s):"; printf '%s\n' "$hits" | head -5; return 1; }
}

no_duplicates() {
    local d
    d=$(lines_of "$1" | sort | uniq -d)
    [ -z "$d" ] || { echo "duplicates:"; printf '%s\n' "$d" | head -5; return 1; }
}

strictly_ascending() { lines_of "$1" | sort -c -u; }

count_between() { # FILE MIN MAX
    local n
    n=$(lines_of "$1" | wc -l)
    [ "$n" -ge "$2" ] && [ "$n" -le "$3" ] || { echo "$n words, expected $2 to $3"; return 1; }
}

has_words() { # FILE WORD...: every WORD is a line of FILE
    local f=$1 found w missing=""
    shift
    found=$(lines_of "$f" | grep -x -F -f <(printf '%s\n' "$@") || true)
    for w in "$@"; do grep -q -x -F -e "$w" <<< "$found" || missing="$missing $w"; done
    [ -z "$missing" ] || { echo "missing:$missing"; return 1; }
}

some_match() { # FILE REGEX: at least one line matches
    local n
    n=$(lines_of "$1" | grep -c -x -e "$2" || true)
    [ "$n" -gt 0 ] || { echo "no line matches $2"; return 1; }
}

no_blocked() { # FILE
    local hits
    [ -r "$dir/wordlist-blocklist.txt" ] || { echo "no wordlist-blocklist.txt"; return 1; }
    hits=$(lines_of "$1" | grep -x -F -f <(grep -x '[a-z][a-z]*' "$dir/wordlist-blocklist.txt") || true)
    [ -z "$hits" ] || { echo "blocked words present:"; printf '%s\n' "$hits" | head -5; return 1; }
}

pure_ascii() { # printable ASCII, CR and LF only
    local hits
    hits=$(grep -n $'[^ -~\r]' "$1" || true)
    [ -z "$hits" ] || { echo "non-ASCII or control characters:"; printf '%s\n' "$hits" | head -3; return 1; }
}

longest_line_at_most() { # FILE MAX
    local m
    m=$(lines_of "$1" | awk '{ if (length($0) > m) m = length($0) } END { print m + 0 }')
    [ "$m" -le "$2" ] || { echo "a line of $m characters (paragraphs should stay short)"; return 1; }
}

mentions() { # FILE TEXT...: every TEXT occurs literally
    local f=$1 t missing=()
    shift
    for t in "$@"; do grep -q -F -e "$t" "$f" || missing+=("\"$t\""); done
    [ ${#missing[@]} -eq 0 ] || { echo "not mentioned: ${missing[*]}"; return 1; }
}

wav_ok() { # FILE
    local f=$1 size dur
    exists_nonempty "$f" || return 1
    [ "$(head -c 4 "$f" | tr -d '\0')" = RIFF ] || { echo "no RIFF header"; return 1; }
    [ "$(head -c 12 "$f" | tail -c 4 | tr -d '\0')" = WAVE ] || { echo "not a WAVE file"; return 1; }
    size=$(stat -c %s "$f")
    [ "$size" -lt 100000 ] || { echo "$size bytes, must be under 100 KB"; return 1; }
    dur=$(soxi -D "$f") || { echo "soxi cannot read it"; return 1; }
    awk -v d="$dur" 'BEGIN { exit !(d > 0.03 && d < 2.0) }' || { echo "length $dur s, expected 0.03 to 2 s"; return 1; }
    [ "$(soxi -c "$f")" = 1 ] || { echo "not mono"; return 1; }
    [ "$(soxi -r "$f")" = 22050 ] || { echo "sample rate $(soxi -r "$f"), expected 22050"; return 1; }
    [ "$(soxi -b "$f")" = 16 ] || { echo "not 16-bit"; return 1; }
    [ "$(soxi -e "$f")" = "Signed Integer PCM" ] || { echo "encoding $(soxi -e "$f"), expected PCM"; return 1; }
}

wav_level_ok() { # FILE: audible, not clipped, starts and ends near silence (no click)
    local f=$1 peak first last
    peak=$(sox "$f" -n stat 2>&1 | awk '/^Maximum amplitude/ { print $3 }')
    awk -v p="$peak" 'BEGIN { exit !(p > 0.05 && p < 0.9) }' || { echo "peak amplitude $peak, expected 0.05 to 0.9"; return 1; }
    first=$(sox "$f" -t dat - trim 0 0.0005 | awk '!/^;/ { v = $2 < 0 ? -$2 : $2; if (v > m) m = v } END { print m + 0 }')
    last=$(sox "$f" -t dat - reverse trim 0 0.0005 | awk '!/^;/ { v = $2 < 0 ? -$2 : $2; if (v > m) m = v } END { print m + 0 }')
    awk -v a="$first" -v b="$last" 'BEGIN { exit !(a < 0.02 && b < 0.02) }' || { echo "starts or ends abruptly (first $first, last $last)"; return 1; }
}

all_different() { # FILE...: no two files identical
    local d
    d=$(md5sum "$@" | awk '{ print $1 }' | sort | uniq -d)
    [ -z "$d" ] || { echo "two or more sound files are identical"; return 1; }
}

# ---- Scrambolo word list --------------------------------------------------------
j=$dir/jmsit32.dll
check "jmsit32.dll: lines end in CR LF" crlf_lines "$j"
check "jmsit32.dll: words of 3 to 6 letters a-z" none_match "$j" '[a-z]\{3,6\}' -v
check "jmsit32.dll: no duplicates" no_duplicates "$j"
check "jmsit32.dll: no word of one repeated letter" none_match "$j" '\(.\)\1*'
check "jmsit32.dll: 2500 to 6000 words" count_between "$j" 2500 6000
check "jmsit32.dll: sorted" strictly_ascending "$j"
check "jmsit32.dll: no blocked words" no_blocked "$j"

# ---- Pebblix dictionary ---------------------------------------------------------
m=$dir/mswnby32.dll
check "mswnby32.dll: lines end in CR LF" crlf_lines "$m"
check "mswnby32.dll: lower-case a-z words only" none_match "$m" '[a-z]\{1,\}' -v
check "mswnby32.dll: no duplicates" no_duplicates "$m"
check "mswnby32.dll: ascending byte order" strictly_ascending "$m"
check "mswnby32.dll: at most 110000 words" count_between "$m" 1 110000
check "mswnby32.dll: a word of 5+ letters" some_match "$m" '[a-z]\{5,\}'
check "mswnby32.dll: short words present" has_words "$m" a i an at be in is it of on to up we
check "mswnby32.dll: examples of the help text present" has_words "$m" computer put con cute players player painted paint teacher teach planes plane plan letter tee teeth settle
check "mswnby32.dll: no blocked words" no_blocked "$m"

check "LICENSE-wordlists.txt: names sources and carries the notice" \
    mentions "$dir/LICENSE-wordlists.txt" "jmsit32.dll" "mswnby32.dll" "wamerican-small" "wamerican," "version" "Permission to use"

# ---- Sound cues -----------------------------------------------------------------
sounds=()
for s in buzzer bell click right wrong gameover; do
    f=$dir/sounds/$s.wav
    sounds+=("$f")
    check "sounds/$s.wav: RIFF/WAVE, mono 16-bit PCM 22050 Hz, under 100 KB, longer than 0.03 s" wav_ok "$f"
    check "sounds/$s.wav: level and fades" wav_level_ok "$f"
done
check "sounds: six different cues" all_different "${sounds[@]}"

# ---- Help texts -----------------------------------------------------------------
common_keys=("Tab" "Enter" "F1" "Alt+F" "Alt+O" "Alt+H" "F10")
site=("https://lanternfold.example.org/" "support@lanternfold.example.org" "Lanternfold Games")
time_items=("Time Allowed" "Standard" "Twice As Long" "Five Times As Long" "Ten Times As Long" "its own")

h=$dir/help/scrambolo.TXT
check "help/scrambolo.TXT: lines end in CR LF" crlf_lines "$h"
check "help/scrambolo.TXT: plain ASCII" pure_ascii "$h"
check "help/scrambolo.TXT: short paragraphs" longest_line_at_most "$h" 400
check "help/scrambolo.TXT: every menu item" mentions "$h" \
    "File" "Exit" "Options" "Number Of Letters" "3 To 4 Letters" "4 To 5 Letters" "5 To 6 Letters" \
    "6 Letters Only" "All Ranges" "Help" "Contents" "Visit Lanternfold Games On The Web..." "About Scrambolo..." \
    "${time_items[@]}"
check "help/scrambolo.TXT: every key" mentions "$h" "${common_keys[@]}" \
    "Shift+Tab" "Space" "J" "H" "C" "Esc" "Alt+C" "\"Cheat\"" "\"mm:ss - Scrambolo!\"" "\"Time Is Up\""
check "help/scrambolo.TXT: files and maker" mentions "$h" "${site[@]}" \
    "highscore.dat" "diff.dat" "jmsit32.dll" "scrambolo.exe" "bell" "buzzer" "ten" "two minutes" \
    "timeallowed.dat" "highscore2.dat" "highscore5.dat" "highscore10.dat" "20:00"

p=$dir/help/readme.txt
check "help/readme.txt: lines end in CR LF" crlf_lines "$p"
check "help/readme.txt: plain ASCII" pure_ascii "$p"
check "help/readme.txt: short paragraphs" longest_line_at_most "$p" 400
check "help/readme.txt: every menu item" mentions "$p" \
    "File" "New Game" "exit" "Options" "Sounds" "Help" "Contents" "Visit Lanternfold Games On The Web" "About Pebblix..." \
    "${time_items[@]}"
check "help/readme.txt: every key and control" mentions "$p" "${common_keys[@]}" \
    "Shift+Tab" "Alt+W" "Alt+C" "Ctrl+N" "Check it!" "\"Word:\""
check "help/readme.txt: files, rules and maker" mentions "$p" "${site[@]}" \
    "pebblixscor.dat" "pebblixoptions.dat" "mswnby32.dll" "pebblix.exe" \
    "five or more letters" "15 seconds" "5 seconds" "ten" "final s" "er, ed or es" "average" \
    "pebblixtime.dat" "pebblixscor2.dat" "pebblixscor5.dat" "pebblixscor10.dat" "150 seconds"

check "README.md: describes every file" mentions "$dir/README.md" \
    jmsit32.dll mswnby32.dll LICENSE-wordlists.txt wordlist-blocklist.txt make_wordlists.sh make_sounds.sh \
    check_data.sh test_check_data.sh buzzer.wav bell.wav click.wav right.wav wrong.wav gameover.wav scrambolo.TXT readme.txt

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
