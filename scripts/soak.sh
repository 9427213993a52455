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
  # One pass over the samples: a table row per game, then the figures
  # within games (from each game's second sample) and across them (the last
  # sample of each game).
  awk '
    BEGIN {
      print "| game | samples | first RSS kB | last RSS kB | min | max | growth from 2nd sample kB | VmSize first/last kB |"
      print "|---|---|---|---|---|---|---|---|"
    }
    $2 != pid { if (pid) row(); pid = $2; n = 0; ++game }
    { ++n; rss[n] = $3; vsz[n] = $4 }
    END {
      if (pid) row()
      print ""
      print "A game'"'"'s first sample may come before the tune is decoded and the pictures are loaded;"
      print "from the second on the game is playing. Within games and across them:"
      print ""
      print "```"
      printf "within a game, from its second sample: highest rise %d kB, end %d kB above at most\n", rise, grow
      printf "games %d, first %d kB, last %d kB, lowest %d kB, highest %d kB, mean %.0f kB\n",
        game, ends[1], ends[game], endLo, endHi, endSum / game
      print "```"
    }
    function row(   i, lo, hi) {
      lo = hi = rss[1]
      for (i = 2; i <= n; ++i) { if (rss[i] < lo) lo = rss[i]; if (rss[i] > hi) hi = rss[i] }
      printf "| %d | %d | %d | %d | %d | %d | %s | %d / %d |\n", game, n, rss[1], rss[n], lo, hi,
        (n >= 2 ? rss[n] - rss[2] : "-"), vsz[1], vsz[n]
      if (n >= 2) {
        hi = rss[2]
        for (i = 3; i <= n; ++i) if (rss[i] > hi) hi = rss[i]
        if (hi - rss[2] > rise) rise = hi - rss[2]
        if (rss[n] - rss[2] > grow) grow = rss[n] - rss[2]
      }
      ends[game] = rss[n]
      endSum += rss[n]
      if (game == 1 || rss[n] < endLo) endLo = rss[n]
      if (game == 1 || rss[n] > endHi) endHi = rss[n]
    }' "$work/samples.txt"
} >"$report"
cat "$report"
