#!/usr/bin/env bash
# Synthesises the six sound cues of Scrambolo and Pebblix into sounds/ with sox (mono, 16-bit PCM, 22050 Hz).
set -euo pipefail

# Needs the Debian package sox. No noise sources and no dither (-D, -R), so every
# run gives byte-identical wave files.

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out_dir=${1:-$here/sounds}
mkdir -p "$out_dir"

command -v sox > /dev/null || { echo "make_sounds: sox not found (apt-get install sox)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=22050
sx() { sox -D -R -V1 "$@"; }

# tone NAME WAVE FREQ START DUR VOL [EXTRA EFFECTS...]
# One note: WAVE at FREQ Hz, starting START seconds in, lasting DUR seconds,
# 5 ms attack and a quadratic decay to silence (two linear fades in a row),
# scaled by VOL. Written as a 32-bit intermediate part NAME.
tone() {
    local name=$1 wave=$2 freq=$3 start=$4 dur=$5 vol=$6
    shift 6
    sx -n -r "$rate" -c 1 -b 32 "$work/$name.wav" \
        synth "$dur" "$wave" "$freq" "$@" \
        fade t 0.005 "$dur" "$dur" fade t 0 "$dur" "$dur" \
        vol "$vol" pad "$start"
}

# flat NAME WAVE FREQ START DUR VOL [EXTRA EFFECTS...]
# Like tone, but held at full level with 10 ms fades at both ends (for the buzzer).
flat() {
    local name=$1 wave=$2 freq=$3 start=$4 dur=$5 vol=$6
    shift 6
    sx -n -r "$rate" -c 1 -b 32 "$work/$name.wav" \
        synth "$dur" "$wave" "$freq" "$@" \
        fade q 0.01 "$dur" 0.06 \
        vol "$vol" pad "$start"
}

# cue OUT LENGTH PEAK_DB PART...
# Mixes the parts, cuts the result to LENGTH seconds, normalises its peak to
# PEAK_DB dBFS (no clipping), ends it with a 10 ms fade and writes 16-bit PCM.
cue() {
    local out=$1 length=$2 peak=$3
    shift 3
    local parts=()
    for p in "$@"; do parts+=("$work/$p.wav"); done
    if [ ${#parts[@]} -eq 1 ]; then
        cp "${parts[0]}" "$work/mix.wav"
    else
        sx -m "${parts[@]}" "$work/mix.wav"
    fi
    sx "$work/mix.wav" -r "$rate" -c 1 -b 16 -e signed-integer "$out_dir/$out" \
        trim 0 "$length" pad 0 "$length" trim 0 "$length" \
        gain -n "$peak" fade t 0.002 "$length" 0.01
    rm -f "$work"/*.wav
}

# Scrambolo --------------------------------------------------------------------

# buzzer.wav: wrong arrangement, no hint left, time up. Low and rough: two
# slightly detuned low waves beat against each other; softened by a low-pass.
flat b1 sawtooth 110 0 0.4 1.0 lowpass 1600
flat b2 square 116.5 0 0.4 0.6 lowpass 1200
flat b3 sine 55 0 0.4 0.8
cue buzzer.wav 0.4 -10 b1 b2 b3

# bell.wav: word rebuilt. Bright two-tone "ding-ding" (C6 then E6) with bell
# overtones that fade faster than the fundamentals.
tone d1 sine 1046.5 0    0.6  1.0
tone d2 sine 2093.0 0    0.3  0.35
tone d3 sine 3139.5 0    0.15 0.12
tone d4 sine 1318.5 0.16 0.44 1.0
tone d5 sine 2637.0 0.16 0.25 0.35
tone d6 sine 3955.5 0.16 0.12 0.12
cue bell.wav 0.6 -6 d1 d2 d3 d4 d5 d6

# click.wav: focus reaches the first letter button. A very short, soft tick.
tone c1 sine 1800 0 0.04 1.0
tone c2 sine 900  0 0.03 0.5
cue click.wav 0.05 -14 c1 c2

# Pebblix ----------------------------------------------------------------------

# right.wav: guess accepted. Rising happy fifth (C5 to G5), mellow triangle.
tone r1 triangle 523.25 0    0.18 1.0
tone r2 sine     1046.5 0    0.12 0.25
tone r3 triangle 783.99 0.14 0.26 1.0
tone r4 sine     1568.0 0.14 0.16 0.25
cue right.wav 0.4 -6 r1 r2 r3 r4

# wrong.wav: guess refused. Falling minor third (F4 to D4), soft square.
tone w1 square 349.23 0    0.16 1.0 lowpass 1100
tone w2 square 293.66 0.15 0.2  1.0 lowpass 1000
cue wrong.wav 0.35 -8 w1 w2

# gameover.wav: time ran out. Descending C-minor phrase G4, E-flat 4, C4,
# the last note held longest.
tone g1 triangle 392.00 0    0.3  1.0
tone g2 sine     784.00 0    0.15 0.2
tone g3 triangle 311.13 0.26 0.3  1.0
tone g4 sine     622.25 0.26 0.15 0.2
tone g5 triangle 261.63 0.52 0.38 1.0
tone g6 sine     523.25 0.52 0.2  0.2
cue gameover.wav 0.9 -6 g1 g2 g3 g4 g5 g6

for f in buzzer bell click right wrong gameover; do
    printf '%-13s %6d bytes %s s\n' "$f.wav" "$(stat -c %s "$out_dir/$f.wav")" "$(soxi -D "$out_dir/$f.wav")"
done
