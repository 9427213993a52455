#!/usr/bin/env bash
# Plays one game with the autopilot on a headless Xvfb + Wine session and
# keeps its screenshots as PNG files. Usage: demo.sh WIN32_BUILD OUTDIR PREFIX
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "$1")
out=$(realpath -m "$2")
prefix=$(realpath -m "$3")
shots="$build/demo"
rm -rf "$shots" && mkdir -p "$shots" "$out"
cd "$build"
"$here/wine-session.sh" "$prefix" bin/keepalive.exe \
  "$here/wine-run" bin/autopilot.exe demo "Z:${shots//\//\\}"
for bmp in "$shots"/*.bmp; do
  convert "$bmp" "$out/$(basename "${bmp%.bmp}").png"
done
echo "demo: screenshots in $out"
ls "$out"
