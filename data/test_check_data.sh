#!/usr/bin/env bash
# Tests check_data.sh: it must pass the shipped data and catch each kind of broken file made from a copy of it.
set -euo pipefail

export LC_ALL=C

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
checker=$here/check_data.sh
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

passed=0
failed=0

# A fresh copy of the data files in $tmp/d.
fresh() {
    rm -rf "$tmp/d"
    mkdir -p "$tmp/d"
    cp -r "$here"/jmsit32.dll "$here"/mswnby32.dll "$here"/LICENSE-wordlists.txt "$here"/README.md \
        "$here"/wordlist-blocklist.txt "$here"/sounds "$here"/help "$tmp/d/"
}

# expect_fail NAME EXPECTED_FAIL_TEXT BREAK_COMMAND...: after breaking the copy,
# the check must exit non-zero and name the broken rule.
expect_fail() {
    local name=$1 expected=$2 out rc
    shift 2
    fresh
    "$@"
    set +e
    out=$(bash "$checker" "$tmp/d" 2>&1)
    rc=$?
    set -e
    if [ "$rc" -ne 0 ] && grep -q -F -e "FAIL: $expected" <<< "$out"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "NOT CAUGHT: $name (exit $rc, wanted a FAIL line starting \"$expected\")"
        printf '%s\n' "$out" | grep FAIL | head -3 | sed 's/^/    /' || true
    fi
}

# ---- ways to break a file ----
crlf() { printf '%s\r\n' "$@"; }
append() { local f=$1; shift; crlf "$@" >> "$tmp/d/$f"; }
strip_last_cr() { local f=$tmp/d/$1; head -c -2 "$f" > "$f.x"; printf '\n' >> "$f.x"; mv "$f.x" "$f"; }
lf_only_line_3() { sed -i '3s/\r$//' "$tmp/d/$1"; }
swap_lines_2_3() { local f=$tmp/d/$1; { sed -n 1p "$f"; sed -n 3p "$f"; sed -n 2p "$f"; sed -n '4,$p' "$f"; } > "$f.x"; mv "$f.x" "$f"; }
keep_short_words_only() { local f=$tmp/d/$1; grep -x $'[a-z]\\{1,4\\}\r' "$f" > "$f.x"; mv "$f.x" "$f"; }
grow_past_limit() { local f=$tmp/d/$1; awk 'BEGIN { for (i = 0; i < 110001; i++) { s = ""; n = i; for (k = 0; k < 4; k++) { s = sprintf("%c", 97 + n % 26) s; n = int(n / 26) } printf "z%s\r\n", s } }' > "$f"; }
trim_to() { local f=$tmp/d/$1 n=$2; head -n "$n" "$f" > "$f.x"; mv "$f.x" "$f"; }
delete() { rm -f "$tmp/d/$1"; }
remove_text() { local f=$tmp/d/$1; sed -i "s/$2//g" "$f"; }
add_non_ascii() { printf 'Caf\xc3\xa9 au lait\r\n' >> "$tmp/d/$1"; }
add_long_line() { printf '%0500d\r\n' 0 >> "$tmp/d/$1"; }
# convert_to NAME FORMAT_OPTIONS...: the shipped cue rewritten in another format.
convert_to() { local n=$1; shift; sox -D -R -V1 "$here/sounds/$n" "$@" "$tmp/x.wav"; mv "$tmp/x.wav" "$tmp/d/sounds/$n"; }
# effect_on NAME EFFECTS...: the shipped cue passed through sox effects.
effect_on() { local n=$1; shift; sox -D -R -V1 "$here/sounds/$n" "$tmp/x.wav" "$@"; mv "$tmp/x.wav" "$tmp/d/sounds/$n"; }
# tone_to NAME EFFECTS...: a synthesised mono 16-bit 22050 Hz file in place of the cue.
tone_to() { local n=$1; shift; sox -D -R -V1 -n -r 22050 -c 1 -b 16 "$tmp/x.wav" "$@"; mv "$tmp/x.wav" "$tmp/d/sounds/$n"; }
corrupt_header() { printf 'JUNK' | dd of="$tmp/d/sounds/$1" bs=1 count=4 conv=notrunc status=none; }
same_as() { cp "$tmp/d/sounds/$2" "$tmp/d/sounds/$1"; }

# ---- the shipped data passes ----
fresh
if out=$(bash "$checker" "$tmp/d" 2>&1) && grep -q '^[0-9]* passed, 0 failed$' <<< "$out"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
    echo "CLEAN COPY REJECTED:"
    printf '%s\n' "$out" | head -10 | sed 's/^/    /' || true
fi

# ---- Scrambolo word list ----
expect_fail "jmsit32 last line without CR" "jmsit32.dll: lines end in CR LF" strip_last_cr jmsit32.dll
expect_fail "jmsit32 line with bare LF" "jmsit32.dll: lines end in CR LF" lf_only_line_3 jmsit32.dll
expect_fail "jmsit32 word too long" "jmsit32.dll: words of 3 to 6 letters" append jmsit32.dll zzzzzzz
expect_fail "jmsit32 word too short" "jmsit32.dll: words of 3 to 6 letters" append jmsit32.dll zz
expect_fail "jmsit32 capital" "jmsit32.dll: words of 3 to 6 letters" append jmsit32.dll Zebra
expect_fail "jmsit32 apostrophe" "jmsit32.dll: words of 3 to 6 letters" append jmsit32.dll "zoo's"
expect_fail "jmsit32 duplicate" "jmsit32.dll: no duplicates" append jmsit32.dll zoom zoom
expect_fail "jmsit32 one repeated letter" "jmsit32.dll: no word of one repeated letter" append jmsit32.dll zzz
expect_fail "jmsit32 too few words" "jmsit32.dll: 2500 to 6000 words" trim_to jmsit32.dll 2000
expect_fail "jmsit32 unsorted" "jmsit32.dll: sorted" swap_lines_2_3 jmsit32.dll
expect_fail "jmsit32 blocked word" "jmsit32.dll: no blocked words" append jmsit32.dll zzz whore
expect_fail "jmsit32 missing" "jmsit32.dll: lines end in CR LF" delete jmsit32.dll

# ---- Pebblix dictionary ----
expect_fail "mswnby32 last line without CR" "mswnby32.dll: lines end in CR LF" strip_last_cr mswnby32.dll
expect_fail "mswnby32 line with bare LF" "mswnby32.dll: lines end in CR LF" lf_only_line_3 mswnby32.dll
expect_fail "mswnby32 apostrophe" "mswnby32.dll: lower-case a-z words only" append mswnby32.dll "zoo's"
expect_fail "mswnby32 empty line" "mswnby32.dll: lower-case a-z words only" append mswnby32.dll ""
expect_fail "mswnby32 unsorted" "mswnby32.dll: ascending byte order" swap_lines_2_3 mswnby32.dll
expect_fail "mswnby32 duplicate" "mswnby32.dll: no duplicates" append mswnby32.dll zzzzzz zzzzzz
expect_fail "mswnby32 over 110000 words" "mswnby32.dll: at most 110000 words" grow_past_limit mswnby32.dll
expect_fail "mswnby32 no long word" "mswnby32.dll: a word of 5+ letters" keep_short_words_only mswnby32.dll
expect_fail "mswnby32 no short words" "mswnby32.dll: short words present" remove_text mswnby32.dll $'^an\r$'
expect_fail "mswnby32 blocked word" "mswnby32.dll: no blocked words" append mswnby32.dll zzzzzz whore

# ---- Sound cues ----
expect_fail "wav bad header" "sounds/bell.wav: RIFF/WAVE" corrupt_header bell.wav
expect_fail "wav missing" "sounds/click.wav: RIFF/WAVE" delete sounds/click.wav
expect_fail "wav too big" "sounds/gameover.wav: RIFF/WAVE" tone_to gameover.wav synth 3 sine 440 fade t 0.01 3 0.01 vol 0.5
expect_fail "wav too short" "sounds/click.wav: RIFF/WAVE" tone_to click.wav synth 0.02 sine 440 vol 0.3
expect_fail "wav stereo" "sounds/right.wav: RIFF/WAVE" convert_to right.wav -c 2
expect_fail "wav other rate" "sounds/wrong.wav: RIFF/WAVE" convert_to wrong.wav -r 44100
expect_fail "wav 8-bit" "sounds/buzzer.wav: RIFF/WAVE" convert_to buzzer.wav -b 8
expect_fail "wav clipped" "sounds/bell.wav: level and fades" effect_on bell.wav gain 12
expect_fail "wav silent" "sounds/bell.wav: level and fades" tone_to bell.wav synth 0.5 sine 440 vol 0
expect_fail "wav abrupt end" "sounds/right.wav: level and fades" tone_to right.wav synth 0.4 square 440 vol 0.3
expect_fail "wav duplicate cue" "sounds: six different cues" same_as wrong.wav right.wav

# ---- Help texts ----
expect_fail "scrambolo help LF line" "help/scrambolo.TXT: lines end in CR LF" lf_only_line_3 help/scrambolo.TXT
expect_fail "scrambolo help non-ASCII" "help/scrambolo.TXT: plain ASCII" add_non_ascii help/scrambolo.TXT
expect_fail "scrambolo help long line" "help/scrambolo.TXT: short paragraphs" add_long_line help/scrambolo.TXT
expect_fail "scrambolo help menu item" "help/scrambolo.TXT: every menu item" remove_text help/scrambolo.TXT "6 Letters Only"
expect_fail "scrambolo help web item" "help/scrambolo.TXT: every menu item" remove_text help/scrambolo.TXT "On The Web\\.\\.\\."
expect_fail "scrambolo help caption" "help/scrambolo.TXT: every key" remove_text help/scrambolo.TXT '"mm:ss - Scrambolo!"'
expect_fail "scrambolo help file" "help/scrambolo.TXT: files and maker" remove_text help/scrambolo.TXT "diff\\.dat"
expect_fail "scrambolo help missing" "help/scrambolo.TXT: lines end in CR LF" delete help/scrambolo.TXT
expect_fail "readme LF line" "help/readme.txt: lines end in CR LF" lf_only_line_3 help/readme.txt
expect_fail "readme non-ASCII" "help/readme.txt: plain ASCII" add_non_ascii help/readme.txt
expect_fail "readme menu item" "help/readme.txt: every menu item" remove_text help/readme.txt "New Game"
expect_fail "readme key" "help/readme.txt: every key and control" remove_text help/readme.txt "Alt+W"
expect_fail "readme file" "help/readme.txt: files, rules and maker" remove_text help/readme.txt "pebblixoptions\\.dat"

# ---- Licence and README ----
expect_fail "licence without notice" "LICENSE-wordlists.txt" remove_text LICENSE-wordlists.txt "Permission to use"
expect_fail "README incomplete" "README.md: describes every file" remove_text README.md "gameover\\.wav"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
