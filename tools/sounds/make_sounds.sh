#!/usr/bin/env bash
# Synthesises the four effect samples with sox: mono, 22.05 kHz, 16-bit, a few KB each.
# Usage: tools/sounds/make_sounds.sh [output folder]   (default: sounds/Warehaus4 of the tree)
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
out="${1:-$here/../../sounds/Warehaus4}"
mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

fmt=(-r 22050 -c 1 -b 16)

# Footstep: a short, dark tick of filtered noise; it plays on every move, so it stays quiet.
sox -n "${fmt[@]}" "$out/move.wav" synth 0.05 pinknoise \
  highpass 300 lowpass 2200 fade q 0.002 0.05 0.045 gain -n -14

# Push: a low wooden thud under a short scrape of brown noise.
sox -n "${fmt[@]}" "$tmp/thud.wav" synth 0.16 sine 110-70 fade q 0.004 0.16 0.14 gain -n -6
sox -n "${fmt[@]}" "$tmp/scrape.wav" synth 0.16 brownnoise \
  bandpass 700 400h tremolo 38 60 fade q 0.02 0.16 0.08 gain -n -12
sox -m "$tmp/thud.wav" "$tmp/scrape.wav" "$out/push.wav" gain -n -8

# Kick (a refused move): a dull knock, a fast falling sine with a touch of noise.
sox -n "${fmt[@]}" "$tmp/knock.wav" synth 0.1 sine 190-75 fade q 0.001 0.1 0.09 gain -n -6
sox -n "${fmt[@]}" "$tmp/click.wav" synth 0.02 whitenoise lowpass 1500 fade q 0.001 0.02 0.018 gain -n -18
sox -m "$tmp/knock.wav" "$tmp/click.wav" "$out/kick.wav" gain -n -8

# Win: a small rising arpeggio, C E G C, each note ringing on under the next.
notes=(C5 E5 G5 C6)
parts=()
for i in "${!notes[@]}"; do
  delay="0.$(printf '%02d' $((i * 11)))"
  sox -n "${fmt[@]}" "$tmp/n$i.wav" synth 0.7 pluck "${notes[$i]}" \
    fade q 0.003 0.7 0.55 pad "$delay" 0
  parts+=("$tmp/n$i.wav")
done
sox -m "${parts[@]}" "$tmp/arp.wav"
sox -V1 "$tmp/arp.wav" "$out/win.wav" pad 0 0.2 reverb 30 50 60 channels 1 trim 0 1.1 fade q 0 1.1 0.3 gain -n -6

for f in kick move push win; do
  printf '%-9s %s\n' "$f.wav" "$(soxi -D "$out/$f.wav")s"
done
