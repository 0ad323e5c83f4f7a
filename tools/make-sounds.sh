#!/usr/bin/env bash
# Makes the game's thirty recordings under assets/sounds/: the ten event
# sounds and the twenty chatter sounds. The spoken chatter comes from
# espeak-ng, everything else is shaped with sox. Run it only to make new
# recordings; the results are committed and the build never runs it, so
# players need neither tool.
#
#   apt-get install espeak-ng sox
#   tools/make-sounds.sh
#
# Every file is RIFF WAVE with PCM data (8-bit unsigned or 16-bit signed,
# mono or stereo), near the length the game's sound list gives. Output is the
# same on every run: sox uses its fixed random seed (-R) and no dither (-D).
set -euo pipefail

for tool in sox espeak-ng; do
  command -v "$tool" >/dev/null || { echo "make-sounds: $tool is not installed" >&2; exit 1; }
done

out=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/assets/sounds
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

SOX=(sox -R -D -V1)

# synth <file> <seconds> <synth and effect arguments...>: a raw 44.1 kHz
# floating-point mono working file.
synth() {
  local file=$1 seconds=$2
  shift 2
  "${SOX[@]}" -n -r 44100 -c 1 -b 32 -e floating-point "$work/$file.wav" synth "$seconds" "$@"
}

# silence <file> <seconds>
silence() {
  "${SOX[@]}" -n -r 44100 -c 1 -b 32 -e floating-point "$work/$1.wav" trim 0 "$2"
}

# join <file> <parts...>: the parts one after the other.
join() {
  local file=$1
  shift
  local parts=()
  for p in "$@"; do parts+=("$work/$p.wav"); done
  "${SOX[@]}" "${parts[@]}" "$work/$file.wav"
}

# mix <file> <parts...>: the parts played together.
mix() {
  local file=$1
  shift
  local parts=()
  for p in "$@"; do parts+=("$work/$p.wav"); done
  "${SOX[@]}" -m "${parts[@]}" "$work/$file.wav"
}

# speak <file> <voice> <speed> <pitch> <text>: espeak-ng, resampled.
speak() {
  espeak-ng -v "$2" -s "$3" -p "$4" -w "$work/$1.raw.wav" "$5"
  "${SOX[@]}" "$work/$1.raw.wav" -r 44100 -c 1 -b 32 -e floating-point "$work/$1.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
}

# finish <file> <name> <bits> <rate> <channels> <seconds> [effects...]:
# shapes a working file into assets/sounds/<name>.wav, normalised to -1 dB,
# padded or cut to the length.
finish() {
  local file=$1 name=$2 bits=$3 rate=$4 channels=$5 seconds=$6
  shift 6
  local encoding=signed-integer
  [ "$bits" = 8 ] && encoding=unsigned-integer
  "${SOX[@]}" "$work/$file.wav" -r "$rate" -c "$channels" -b "$bits" -e "$encoding" -t wavpcm "$out/$name.wav" \
    "$@" gain -n -1 pad 0 "$seconds" trim 0 "$seconds"
}

# A soft-edged note: <file> <seconds> <wave> <Hz> [decay seconds]
note() {
  local decay=${5:-$2}
  synth "$1" "$2" "$3" "$4" fade q 0.005 "$2" "$decay"
}

# --- Event sounds -------------------------------------------------------------

# entered: a three-bell chime.
synth e1 0.79 pluck 1046.5 fade 0 0.79 0.7
synth e2 0.79 pluck 1318.5 fade 0 0.79 0.7 delay 0.12
synth e3 0.79 pluck 1568.0 fade 0 0.79 0.7 delay 0.24
mix entered e1 e2 e3
finish entered entered 8 11025 1 0.79

# select: a short bright click.
synth select 0.13 sine 2200-1400 fade q 0.002 0.13 0.11
finish select select 16 44100 1 0.13

# unselect: two soft low clicks.
synth u1 0.12 sine 900-500 fade q 0.002 0.12 0.1
silence u2 0.05
join unselect u1 u2 u1
finish unselect unselect 16 11025 1 0.29

# place: a wooden knock.
synth k1 0.12 brownnoise lowpass 700 bandpass 350 200 fade q 0.001 0.12 0.11
synth k2 0.12 sine 180-120 fade q 0.001 0.12 0.11
mix knock k1 k2
silence kgap 0.04
join place knock kgap knock
finish place place 8 11025 1 0.30

# square: a brighter two-note sound.
note s1 0.30 pluck 1174.7
synth s2 0.42 pluck 1760.0 fade 0 0.42 0.35
join square s1 s2
finish square square 8 22050 1 0.72

# invalid: a short buzz.
synth invalid 0.25 square 110 square 116.5 fade q 0.005 0.25 0.03 lowpass 1800
finish invalid invalid 8 11025 1 0.25

# nomoves: a falling tone.
synth nomoves 0.35 triangle 700-220 fade q 0.01 0.35 0.08
finish nomoves nomoves 16 44100 1 0.35

# turn (Classic): a ding-dong.
synth t1 0.25 sine 988 sine 1976 remix 1,2 fade q 0.005 0.25 0.2
synth t2 0.32 sine 784 sine 1568 remix 1,2 fade q 0.005 0.32 0.3
join turn t1 t2
finish turn turn 16 11025 2 0.57

# turnnew (New): a quick rising arpeggio.
note n1 0.1 triangle 659.3
note n2 0.1 triangle 830.6
note n3 0.23 triangle 987.8 0.2
join turnnew n1 n2 n3
finish turnnew turnnew 8 44100 1 0.43

# winner: a short brass fanfare.
brass() { synth "$1" "$2" sawtooth "$3" sawtooth "$(echo "$3 * 1.005" | bc -l)" lowpass 2400 fade q 0.02 "$2" 0.06; }
brass w1 0.22 523.25
brass w2 0.22 659.25
brass w3 0.22 783.99
brass w4 0.5 1046.5
silence wg 0.06
brass w5 0.2 783.99
synth w6 1.31 sawtooth 1046.5 sawtooth 1051.7 lowpass 2400 tremolo 6 20 fade q 0.02 1.31 0.7
join winner w1 w2 w3 w4 wg w5 w6
finish winner winner 16 22050 1 2.79

# --- Chatter sounds (wave1 to wave20) ------------------------------------------

chatter() { finish "$1" "$2" 8 11025 1 "$3" "${@:4}"; }
# spoken <k> <words per minute> <pitch> <seconds> <text>: wave<k> from espeak-ng.
spoken() { speak "spoken$1" en-us "$2" "$3" "$5"; chatter "spoken$1" "wave$1" "$4"; }

spoken 1 150 35 0.6 "Doh!"
# 2 "Cough": two rough bursts.
synth c1 0.22 brownnoise bandpass 700 600 fade q 0.005 0.22 0.18
synth c2 0.22 brownnoise lowpass 1500 tremolo 40 60 fade q 0.005 0.22 0.2
mix cough1 c1 c2
silence cgap 0.12
join cough cough1 cgap cough1
chatter cough wave2 0.62
spoken 3 160 55 0.8 "Hello!"
spoken 4 160 55 0.9 "Thank you!"
spoken 5 165 55 1.5 "Where have you been?"
# 6 "Snoring": two slow rattling breaths.
synth sn1 1.3 brownnoise lowpass 350 synth 1.3 sine amod 28 fade h 0.5 1.3 0.6
silence sngap 0.5
join snore sn1 sngap sn1
chatter snore wave6 3.2
# 7 "Sneezing": a rising "ah" and a burst.
synth ah 0.55 sawtooth 260-420 lowpass 1200 fade h 0.2 0.55 0.05
synth choo 0.35 whitenoise highpass 1800 fade q 0.005 0.35 0.3
join sneeze ah choo
chatter sneeze wave7 0.95
spoken 8 150 50 0.8 "Sorry."
spoken 9 150 55 0.9 "Welcome!"
spoken 10 140 80 1.1 "Yee haa!"
spoken 11 150 85 0.9 "Yippee!"
spoken 12 120 45 1.0 "Oh no!"
# 13 "Applause": many claps blended.
synth ap1 2.6 whitenoise bandpass 2200 1500 tremolo 11 90
synth ap2 2.6 pinknoise bandpass 1500 1200 tremolo 15.5 85
synth ap3 2.6 whitenoise highpass 1000 tremolo 19 80
mix applause0 ap1 ap2 ap3
"${SOX[@]}" "$work/applause0.wav" "$work/applause.wav" fade h 0.2 2.6 0.8
chatter applause wave13 2.6
# 14 "Honk": a two-tone horn.
synth honk 0.6 square 370 square 466 lowpass 2500 overdrive 10 fade q 0.01 0.6 0.05
chatter honk wave14 0.6
spoken 15 90 60 1.1 "Ooooh"
# 16 "Razzberry": a buzzing flutter.
synth razz 1.0 sawtooth 95 synth 1.0 square amod 31 lowpass 1600 fade q 0.03 1.0 0.2
chatter razz wave16 1.0
# 17 "Cheer": a crowd of rising voices over a roar.
synth ch1 1.8 pinknoise bandpass 900 700 fade h 0.2 1.8 0.6
synth ch2 1.8 sawtooth 300-420 lowpass 1400 tremolo 5 30 fade h 0.2 1.8 0.6
synth ch3 1.8 sawtooth 380-520 lowpass 1400 tremolo 6.5 30 fade h 0.3 1.8 0.6
synth ch4 1.8 sawtooth 450-610 lowpass 1400 tremolo 4.3 30 fade h 0.25 1.8 0.6
mix cheer ch1 ch2 ch3 ch4
chatter cheer wave17 1.8
# 18 "Woman Laughing" and 19 "Man Laughing": "ha" syllables, falling.
laugh() {
  local file=$1 base=$2 count=$3 parts=() i pitch
  silence "${file}_gap" 0.07
  for ((i = 0; i < count; i++)); do
    pitch=$(echo "$base * (1 - $i * 0.04)" | bc -l)
    synth "${file}_$i" 0.13 sawtooth "$pitch" bandpass 900 700 fade q 0.02 0.13 0.06
    mix "${file}_v$i" "${file}_$i" "${file}_$i"
    parts+=("${file}_v$i" "${file}_gap")
  done
  join "$file" "${parts[@]}"
}
laugh woman 330 7
chatter woman wave18 1.45
laugh man 130 6
chatter man wave19 1.25
# 20 "Crying": wailing sobs.
synth cr1 0.8 sawtooth 520-380 lowpass 1300 tremolo 7 45 fade h 0.08 0.8 0.3
synth cr2 0.3 sawtooth 470-430 lowpass 1300 fade h 0.05 0.3 0.1
silence crgap 0.12
join crying cr1 crgap cr2 crgap cr2 crgap cr1
chatter crying wave20 2.5

ls -l "$out"
