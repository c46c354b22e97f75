#!/usr/bin/env bash
# Builds the two games' word lists (jmsit32.dll, mswnby32.dll) and their licence notice from Debian's word-list packages.
set -euo pipefail

# Needs the Debian packages wamerican-small, wamerican and scowl (all built from the same SCOWL release).
# Output is deterministic: the same package versions always give byte-identical files.

export LC_ALL=C

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out_dir=${1:-$here}

small_list=/usr/share/dict/american-english-small   # wamerican-small
medium_list=/usr/share/dict/american-english        # wamerican
scowl_dir=/usr/share/dict/scowl                     # scowl (frequency classes of the same words)
blocklist=$here/wordlist-blocklist.txt

die() { echo "make_wordlists: $*" >&2; exit 1; }

for f in "$small_list" "$medium_list" "$scowl_dir/english-words.10" "$blocklist"; do
    [ -r "$f" ] || die "missing $f (apt-get install wamerican-small wamerican scowl)"
done

pkg_version() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo unknown; }
v_small=$(pkg_version wamerican-small)
v_medium=$(pkg_version wamerican)
v_scowl=$(pkg_version scowl)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Lower-case a-z words only, one per line, sorted by byte, unique.
only_az() { grep -x '[a-z][a-z]*' | sort -u; }
# LF lines to CR LF lines (every line, the last included).
to_crlf() { sed 's/$/\r/'; }

only_az < "$blocklist" > "$work/blocked"

# ---- Scrambolo: common words of 3 to 6 letters -------------------------------
# "Common" = SCOWL size classes 10 and 20 (the most frequent English words);
# the words themselves must also be in wamerican-small.
cat "$scowl_dir"/english-words.10 "$scowl_dir"/english-words.20 \
    "$scowl_dir"/american-words.10 "$scowl_dir"/american-words.20 | only_az > "$work/common"
only_az < "$small_list" > "$work/small"
comm -12 "$work/small" "$work/common" \
    | grep -x '[a-z]\{3,6\}' \
    | grep -v -x '\(.\)\1*' \
    | comm -23 - "$work/blocked" \
    > "$work/jmsit32"

n=$(wc -l < "$work/jmsit32")
{ [ "$n" -ge 2500 ] && [ "$n" -le 6000 ]; } || die "jmsit32 would hold $n words, outside 2500..6000"

# ---- Pebblix: dictionary ------------------------------------------------------
# Words of 3+ letters: wamerican entries that come from SCOWL's word lists
# (drops abbreviations such as mph or kg and roman numerals such as xiv).
# Words of 1 or 2 letters: only this list of everyday words, so that
# letters, abbreviations and symbols are not accepted as guesses.
short_words="a ad ah am an as at aw ax ay be by do eh ex go ha he hi ho i id if in is it
lo ma me my no of oh on or ow ox pa pi so to uh um up us we ye yo"

for size in 10 20 35 40 50; do
    for kind in english-words american-words variant_1-words variant_2-words; do
        if [ -r "$scowl_dir/$kind.$size" ]; then cat "$scowl_dir/$kind.$size"; fi
    done
done | cat - "$scowl_dir/special-hacker.50" | only_az > "$work/real"
tr ' ' '\n' <<< "$short_words" | only_az > "$work/short"
only_az < "$medium_list" > "$work/medium"

{
    comm -12 "$work/medium" "$work/real" | grep -x '[a-z]\{3,\}' || true
    comm -12 "$work/medium" "$work/short"
} | sort -u | comm -23 - "$work/blocked" > "$work/mswnby32"

m=$(wc -l < "$work/mswnby32")
[ "$m" -le 110000 ] || die "mswnby32 would hold $m words, more than 110000"

to_crlf < "$work/jmsit32" > "$out_dir/jmsit32.dll"
to_crlf < "$work/mswnby32" > "$out_dir/mswnby32.dll"

# ---- Licence notice -----------------------------------------------------------
{
    echo "Word lists of Scrambolo and Pebblix"
    echo "==================================="
    echo
    echo "jmsit32.dll ($n words) was made from the Debian package wamerican-small,"
    echo "version $v_small (/usr/share/dict/american-english-small), keeping the"
    echo "3- to 6-letter words that SCOWL's size classes 10 and 20 (Debian package"
    echo "scowl, version $v_scowl) list as the most common English words."
    echo
    echo "mswnby32.dll ($m words) was made from the Debian package wamerican,"
    echo "version $v_medium (/usr/share/dict/american-english), keeping lower-case"
    echo "words found in SCOWL's word lists (Debian package scowl, version $v_scowl)"
    echo "and a short list of everyday one- and two-letter words."
    echo
    echo "A few offensive words (wordlist-blocklist.txt) were left out of both."
    echo "Both files are made by make_wordlists.sh."
    echo
    echo "All three packages are built from SCOWL and carry the same notice, copied"
    echo "below from /usr/share/doc/wamerican-small/copyright:"
    echo
    echo "-------------------------------------------------------------------------"
    cat /usr/share/doc/wamerican-small/copyright
    for pkg in wamerican scowl; do
        if ! cmp -s /usr/share/doc/wamerican-small/copyright "/usr/share/doc/$pkg/copyright"; then
            echo "-------------------------------------------------------------------------"
            echo "Notice of $pkg, from /usr/share/doc/$pkg/copyright:"
            echo
            cat "/usr/share/doc/$pkg/copyright"
        fi
    done
} | to_crlf > "$out_dir/LICENSE-wordlists.txt"

echo "jmsit32.dll: $n words; mswnby32.dll: $m words"
