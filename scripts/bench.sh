#!/usr/bin/env bash
# Measures the six benchmark figures in one run and writes them, with the
# command and the machine, to REPORT (Markdown); prints them too.
# Usage: bench.sh WIN32_BUILD NATIVE_BUILD REPORT PREFIX [STEP_SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)

if [ "${1:-}" = --inside ]; then  # run inside the Wine session, in the win32 build
  work=$2 stepSeconds=$3
  wtune="Z:${work//\//\\}\\tune53.ogg"
  "$here/wine-run" bin/decode_rate.exe "$wtune" 5 >"$work/decode-wine.txt"
  "$here/wine-run" bin/tick_rate.exe "$stepSeconds" >"$work/steps.txt"
  "$here/wine-run" bin/paint_rate.exe 2000 >"$work/paint.txt"
  "$here/wine-run" bin/launch_time.exe 5 >"$work/launch.txt"
  # CPU time of the game's Wine process, sampled while the autopilot keeps
  # the dialog open for 15 s and then plays for 15 s.
  : >"$work/cpu.txt"
  "$here/wine-run" bin/autopilot.exe stay 15 >"$work/stay.txt" &
  autopilot=$!
  t0=$(date +%s%N)
  while kill -0 "$autopilot" 2>/dev/null; do
    pid=$("$here/game-pid.sh")
    if [ -n "$pid" ] && [ -r "/proc/$pid/stat" ]; then
      # utime and stime: fields 14 and 15 (the name "wallo.exe" has no blanks)
      awk -v t=$((($(date +%s%N) - t0) / 1000000)) '{print t, $14 + $15}' "/proc/$pid/stat" \
        >>"$work/cpu.txt" 2>/dev/null || true
    fi
    sleep 0.5
  done
  wait "$autopilot"
  exit 0
fi

build=$(realpath "$1")
native=$(realpath "$2")
report=$(realpath -m "$3")
prefix=$(realpath -m "$4")
stepSeconds=${5:-60}
work="$build/bench"
rm -rf "$work" && mkdir -p "$work"

# A 53-second tune: the game's own, played on past its end and encoded again.
sox "$root/res/music/wallo.ogg" -D -b 16 "$work/tune53.wav" repeat 1 trim 0 53
oggenc -Q -q 4 --serial 53 -o "$work/tune53.ogg" "$work/tune53.wav"

# (1) natively: our decode loop (optimised, no sanitizers) against oggdec.
g++ -std=c++17 -O2 -I"$root" "$root/bench/decode_rate.cpp" "$root/sound/decode.cpp" \
  $(pkg-config --cflags --libs vorbisfile) -o "$work/decode_rate"
"$work/decode_rate" "$work/tune53.ogg" 5 >"$work/decode-native.txt"
best_oggdec() {
  local best=999 start end took
  for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    oggdec -Q -o /dev/null "$work/tune53.ogg"
    end=$(date +%s%N)
    took=$(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.4f", (b - a) / 1e9}')
    best=$(awk -v a="$best" -v b="$took" 'BEGIN {print (b < a ? b : a)}')
  done
  echo "$best"
}
oggdec_native=$(best_oggdec)

# (5) heap allocations of 10,000 busy steps.
"$native/alloc_count" >"$work/alloc.txt"

# (1) under Wine, (2), (3), (6) and (4).
cd "$build"
"$here/wine-session.sh" "$prefix" bin/keepalive.exe "$here/bench.sh" --inside "$work" "$stepSeconds"
oggdec_wine=$(best_oggdec)  # again, right after, for the Wine ratio

ours_native=$(awk '{print $5}' "$work/decode-native.txt")
ours_wine=$(awk '{print $5}' "$work/decode-wine.txt")
share() {  # share FROM_MARK TO_MARK: CPU share between two autopilot lines
  local from to
  from=$(awk -v m="$1" '$0 ~ m {print $1}' "$work/stay.txt")
  to=$(awk -v m="$2" '$0 ~ m {print $1}' "$work/stay.txt")
  awk -v a=$((from + 1000)) -v b=$((to - 500)) -v hz="$(getconf CLK_TCK)" '
    $1 >= a && $1 <= b { if (!n++) {t0 = $1; c0 = $2} t1 = $1; c1 = $2 }
    END { if (n > 1) printf "%.1f %% of one core (%d samples over %.1f s)", 100 * (c1 - c0) / hz / ((t1 - t0) / 1000), n, (t1 - t0) / 1000; else print "no samples" }' \
    "$work/cpu.txt"
}
cpu_dialog=$(share "dialog open" "playing")
cpu_play=$(share "playing" "closing")

{
  echo "# Benchmarks"
  echo
  echo "Command: \`make bench\`, $(date -u +%Y-%m-%d), $(nproc) cores ($(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')), $(wine --version), Xvfb."
  echo "Each figure is measured side by side with its yardstick in the same run."
  echo
  echo "## 1. Decoding the whole tune: DecodeMusic against oggdec"
  echo
  echo "A 53-second 44.1 kHz stereo tune (the game's own, played on and re-encoded at -q 4),"
  echo "decoded whole as the music player does (best of 5), against \`oggdec -Q -o /dev/null\`"
  echo "on the same file (best of 5, process start included)."
  echo
  echo '```'
  echo "native (g++ -O2, DecodePcm):  $(cat "$work/decode-native.txt")"
  echo "  oggdec: $oggdec_native s  ratio ours/oggdec: $(awk -v a="$ours_native" -v b="$oggdec_native" 'BEGIN {printf "%.2f", a / b}')"
  echo "i686 exe under Wine (DecodeMusic):  $(cat "$work/decode-wine.txt")"
  echo "  oggdec: $oggdec_wine s  ratio ours/oggdec: $(awk -v a="$ours_wine" -v b="$oggdec_wine" 'BEGIN {printf "%.2f", a / b}')"
  echo '```'
  echo
  echo "## 2. Game steps per second under Wine"
  echo
  echo "The real 50 ms game timer for $stepSeconds s; every timer message judged by the shipped throttle"
  echo "(a step once 45 ms have passed, through the real GameTick) and, on the same messages, by a"
  echo "strict 50 ms one."
  echo
  echo '```'
  cat "$work/steps.txt"
  echo '```'
  echo
  echo "## 3. One full frame against one BitBlt"
  echo
  echo "PaintFrame with all 64 slots busy (32 packets with labels, 32 badges) into a 620x440"
  echo "off-screen DIB, against one BitBlt of the whole client area between two such DIBs; in"
  echo "brackets, the same frame with no slot busy (the network, the computers, the bar, the texts)."
  echo
  echo '```'
  cat "$work/paint.txt"
  echo '```'
  echo
  echo "## 4. CPU share of the game process"
  echo
  echo "utime + stime of the game's Wine process from /proc, sampled every 0.5 s while the"
  echo "autopilot keeps the course dialog open for 15 s, then plays dial-up (music on) for 15 s."
  echo
  echo '```'
  echo "dialog open: $cpu_dialog"
  echo "playing:     $cpu_play"
  echo '```'
  echo
  echo "## 5. Heap allocations during play"
  echo
  echo "10,000 game steps on the fibre course with all 64 slots kept busy, malloc, calloc, realloc"
  echo "and operator new wrapped at link time (bench/alloc_count.cpp; also a test that fails above 0)."
  echo
  echo '```'
  cat "$work/alloc.txt"
  echo '```'
  echo
  echo "## 6. Launch to the first painted frame"
  echo
  echo "From CreateProcess until the screen shows the window's own pixels (median of 5): a bare"
  echo "Win32 window of the game's size that paints itself green, and the game's course dialog (its"
  echo "first window); then from the Start click until the playfield's first computer is painted,"
  echo "which includes decoding the whole 37.6 s tune."
  echo
  echo '```'
  cat "$work/launch.txt"
  echo '```'
} >"$report"
cat "$report"
