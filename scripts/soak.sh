#!/usr/bin/env bash
# Plays games back to back with the autopilot for SECONDS under a headless
# Wine session, samples the memory of each game's process from /proc every
# 10 s, and writes the figures to REPORT (Markdown).
# Usage: soak.sh WIN32_BUILD SECONDS REPORT PREFIX
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" = --inside ]; then  # run inside the Wine session
  seconds=$2 work=$3
  "$here/wine-run" bin/autopilot.exe soak "$seconds" >"$work/games.log" 2>&1 &
  autopilot=$!
  start=$(date +%s)
  while kill -0 "$autopilot" 2>/dev/null; do
    # The game's Wine process carries the path of its copy of wallo.exe.
    pid=$("$here/game-pid.sh")
    if [ -n "$pid" ] && [ -r "/proc/$pid/status" ]; then
      awk -v t=$(($(date +%s) - start)) -v pid="$pid" \
        '/^VmRSS/ {rss=$2} /^VmSize/ {vsz=$2} END {if (rss) print t, pid, rss, vsz}' \
        "/proc/$pid/status" >>"$work/samples.txt" || true
    fi
    sleep 10
  done
  wait "$autopilot"
  exit 0
fi

build=$(realpath "$1")
seconds=$2
report=$(realpath -m "$3")
prefix=$(realpath -m "$4")
work="$build/soak"
if [ "${5:-}" != --report-only ]; then  # --report-only: the report of the last run again
  rm -rf "$work" && mkdir -p "$work"
  : >"$work/samples.txt"
  cd "$build"
  echo "soak: $seconds s of games; samples in $work"
  "$here/wine-session.sh" "$prefix" bin/keepalive.exe "$here/soak.sh" --inside "$seconds" "$work"
fi

# One row per game (one process): its samples, first, last, lowest and highest
# resident size, and the growth from its second sample (the tune decoded, the
# pictures loaded) to its last.
{
  echo "# Soak run"
  echo
  echo "Command: \`make soak\` (SOAK_SECONDS=$seconds), $(date -u -r "$work/samples.txt" +%Y-%m-%d), $(nproc) cores, $(wine --version)."
  echo "The autopilot (tools/autopilot.cpp) plays back-to-back games, the courses in turn"
  echo "(dial-up, ISDN, ADSL, fibre), relaunching wallo.exe after each score box; a game still"
  echo "running after 5 minutes is closed. Every 10 s the resident and virtual size of the game's"
  echo "Wine process is read from /proc/PID/status."
  echo
  echo "$(tail -n 1 "$work/games.log" | sed 's/^ *[0-9]* ms  //')."
  echo
  echo "| game | samples | first RSS kB | last RSS kB | min | max | growth from 2nd sample kB | VmSize first/last kB |"
  echo "|---|---|---|---|---|---|---|---|"
  awk '
    $2 != pid { if (pid) row(); pid = $2; n = 0; ++game }
    { ++n; rss[n] = $3; vsz[n] = $4 }
    END { if (pid) row() }
    function row(   i, lo, hi) {
      lo = hi = rss[1]
      for (i = 2; i <= n; ++i) { if (rss[i] < lo) lo = rss[i]; if (rss[i] > hi) hi = rss[i] }
      printf "| %d | %d | %d | %d | %d | %d | %s | %d / %d |\n", game, n, rss[1], rss[n], lo, hi,
        (n >= 2 ? rss[n] - rss[2] : "-"), vsz[1], vsz[n]
    }' "$work/samples.txt"
  echo
  echo "A game's first sample may come before the tune is decoded and the pictures are loaded;"
  echo "from the second on the game is playing. Within games and across them:"
  echo
  echo '```'
  awk '
    $2 != pid { if (pid) end(); n = 0; pid = $2 }
    { if (++n == 2) { second = $3; high = $3 } if (n >= 2) { last = $3; if ($3 > high) high = $3 } }
    END { if (pid) end(); printf "within a game, from its second sample: highest rise %d kB, end %d kB above at most\n", rise, grow }
    function end() { if (n >= 2) { if (high - second > rise) rise = high - second; if (last - second > grow) grow = last - second } }' \
    "$work/samples.txt"
  awk '$2 != pid { if (pid) print last; pid = $2 } { last = $3 } END { if (pid) print last }' \
    "$work/samples.txt" | awk '
      { v[NR] = $1; s += $1; if (NR == 1 || $1 < lo) lo = $1; if ($1 > hi) hi = $1 }
      END { printf "games %d, first %d kB, last %d kB, lowest %d kB, highest %d kB, mean %.0f kB\n",
            NR, v[1], v[NR], lo, hi, s / NR }'
  echo '```'
} >"$report"
cat "$report"
