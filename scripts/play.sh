#!/usr/bin/env bash
# Plays the game under Wine on the user's own display.
# Usage: play.sh EXE PLAY_FOLDER PREFIX
# The game lives in PLAY_FOLDER, so its high scores (wallo.ini) survive rebuilds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=$1
folder=$2
prefix=$(realpath -m "$3")

if [ -z "${DISPLAY:-}" ]; then
  echo "make run: no display (DISPLAY is not set). Start it from a desktop session;" >&2
  echo "          'make test' runs everything headless under its own Xvfb." >&2
  exit 1
fi

# An ordinary window of the user's desktop: this prefix has no virtual desktop.
"$here/wine-prefix.sh" "$prefix"
export WINEPREFIX="$prefix"
. "$here/wine-env.sh"

mkdir -p "$folder"
cp "$exe" "$folder/wallo.exe"
cp "$(dirname "$exe")/wallo.ogg" "$folder/wallo.ogg"  # the music
cd "$folder"
echo "Fendra: playing from $(pwd) (high scores in wallo.ini there)"
wine_ja wallo.exe
