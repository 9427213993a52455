#!/usr/bin/env bash
# The release zip: exactly wallo.exe, wallo.ogg and readme.txt; the tune is
# the game's own; the readme is Shift-JIS with CRLF line ends and speaks both
# Japanese and English. Usage: check-dist.sh EXE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/scripts/make-dist.sh" "$1" "$work/release.zip" >/dev/null
fail() { echo "check-dist: $*" >&2; exit 1; }

names=$(unzip -Z1 "$work/release.zip" | sort | tr '\n' ' ')
[ "$names" = "readme.txt wallo.exe wallo.ogg " ] || fail "the zip holds: $names"
unzip -q "$work/release.zip" -d "$work/out"
cmp -s "$work/out/wallo.ogg" "$root/res/music/wallo.ogg" || fail "wallo.ogg is not the game's tune"
cmp -s "$work/out/wallo.exe" "$1" || fail "wallo.exe is not the built one"
readme=$(iconv -f CP932 -t UTF-8 "$work/out/readme.txt") || fail "readme.txt is not Shift-JIS"
grep -q "情報漏洩パケット" <<<"$readme" || fail "readme.txt has no Japanese part"
grep -q "How to play" <<<"$readme" || fail "readme.txt has no English part"
lines=$(wc -l <"$work/out/readme.txt")
crlf=$(grep -c $'\r$' "$work/out/readme.txt" || true)
[ "$lines" = "$crlf" ] || fail "readme.txt: $crlf of $lines lines end in CRLF"
echo "check-dist: release zip as expected"
