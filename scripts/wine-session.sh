#!/usr/bin/env bash
# Runs a command inside a private Xvfb display and one Wine session of the
# test prefix, then ends both by PID, leaving nothing running.
# Usage: wine-session.sh PREFIX KEEPALIVE_EXE COMMAND...
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(realpath -m "$1")
keepalive=$2
shift 2

"$here/wine-prefix.sh" "$prefix" desktop || exit 1
export WINEPREFIX="$prefix"
. "$here/wine-env.sh"

# Sound goes to an ALSA null sink: one working device, no hardware needed.
alsa_conf="$prefix/alsa-null.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$alsa_conf"
export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$alsa_conf"

display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "wine-session: no free X display number" >&2; exit 1; }

xvfb_pid=""
keep_pid=""
cleanup() {
  [ -n "$keep_pid" ] && kill "$keep_pid" 2>/dev/null
  # Wait for the Wine server to go; force it after a bound.
  timeout 30 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  return 0
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
export DISPLAY=":$display"

# One long-lived Wine process: the server, the desktop and the services start
# once, and none of them holds the test runner's output open.
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wine "$keepalive" </dev/null >/dev/null 2>&1 &
keep_pid=$!
LANG=ja_JP.UTF-8 wine cmd /c exit </dev/null >/dev/null 2>&1

"$@"
