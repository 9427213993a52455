#!/usr/bin/env bash
# Makes the four effect sounds with sox: RIFF WAVE files with a 44-byte
# header, PCM mono 22,050 Hz 16-bit, each of its exact length in frames and
# normalised to a peak of 32,766. Run from anywhere; writes next to itself.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

RATE=22050
# Rate, channels and size go before -n, or sox synthesises at 48 kHz and
# resamples. -D: no dither, so the same script makes the same bytes.
synth() { sox -D -r $RATE -c 1 -n -b 16 "$@"; }
mix() { sox -D -m "$@"; }

# Normalises to a peak of 32,766 (one below full scale), pads with silence and
# cuts to exactly `frames`.
finish() {
  local input=$1 output=$2 frames=$3
  sox -V1 -D "$input" -b 16 -e signed "$work/norm.wav" gain -n -0.0005 pad 0 3 trim 0 "${frames}s"
  # sox writes a 44-byte header for plain 16-bit PCM; keep exactly that.
  cp "$work/norm.wav" "$output"
}

# A struck ping near 1.44 kHz, loudest at once, gone within 0.65 s.
synth "$work/deflect.wav" synth 0.65 sine 1440 synth 0.65 sine mix 2880 fade l 0 0.65 0.64
finish "$work/deflect.wav" deflect.wav 21487

# A rising F major arpeggio, F4 (349 Hz) to C8 (4.19 kHz), a note every
# 50 ms, each ringing for half a second: over by about 1.1 s.
notes=(F4 A4 C5 F5 A5 C6 F6 A6 C7 F7 A7 C8)
inputs=()
for i in "${!notes[@]}"; do
  synth "$work/note$i.wav" synth 0.5 sine "${notes[$i]}" synth 0.5 triangle mix "${notes[$i]}" \
    fade l 0.004 0.5 0.46 pad "$(awk "BEGIN{print $i*0.05}")"
  inputs+=("$work/note$i.wav")
done
mix "${inputs[@]}" "$work/thanks.wav"
finish "$work/thanks.wav" thanks.wav 38400

# A harsh low buzz wavering between 390 and 490 Hz, broken off at 0.35 s.
parts=()
for i in 0 1 2 3; do
  if ((i % 2 == 0)); then sweep=390:490; else sweep=490:390; fi
  synth "$work/buzz$i.wav" synth 0.0875 square $sweep synth 0.0875 sawtooth mix $sweep
  parts+=("$work/buzz$i.wav")
done
sox -D "${parts[@]}" "$work/boo.wav"
finish "$work/boo.wav" boo.wav 9538

# A sparkle of partials above 5 kHz for 0.3 s that settles onto 1.48 kHz,
# dying away by about 1 s.
synth "$work/sparkle.wav" synth 0.3 sine 5274 synth 0.3 sine mix 6272 synth 0.3 sine mix 7459 \
  synth 0.3 sine mix 8870 tremolo 24 90 fade q 0.005 0.3 0.2
synth "$work/tone.wav" synth 0.9 sine 1480 synth 0.9 sine mix 2960 fade q 0.12 0.9 0.7 pad 0.1
mix "$work/sparkle.wav" "$work/tone.wav" "$work/get.wav"
finish "$work/get.wav" get.wav 23360

for f in deflect thanks boo get; do
  printf '%-8s %s\n' "$f" "$(soxi -s $f.wav) frames"
done
