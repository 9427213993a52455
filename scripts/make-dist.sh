#!/usr/bin/env bash
# Packs the Windows release: wallo.exe, its tune wallo.ogg and readme.txt
# (Japanese and English, Shift-JIS with CRLF line ends, as Windows players
# expect).
# Usage: make-dist.sh EXE ZIP
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=$1
zip=$2
"$here/check-exe.sh" "$exe"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/wallo.exe"
cp "$(dirname "$exe")/wallo.ogg" "$stage/wallo.ogg"
iconv -f UTF-8 -t CP932 "$here/../docs/readme-windows.txt" | sed 's/$/\r/' >"$stage/readme.txt"
mkdir -p "$(dirname "$zip")"
rm -f "$zip"
zip -q -j "$zip" "$stage"/*
echo "dist: $zip"
unzip -l "$zip"
