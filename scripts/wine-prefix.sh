#!/usr/bin/env bash
# Makes a project-owned 32-bit Wine prefix with a Japanese code page and fonts.
# Usage: wine-prefix.sh DIR [desktop]
# "desktop" gives the prefix a Wine virtual desktop: the test prefix needs it,
# since plain Xvfb has no window manager. The player's prefix has none, so the
# game opens as an ordinary window of the player's desktop.
set -euo pipefail
dir=$(realpath -m "$1")
mode=${2:-}
marker="$dir/.fendra-ready${mode:+-$mode}"
[ -f "$marker" ] && exit 0

export WINEPREFIX="$dir"
. "$(dirname "$0")/wine-env.sh"
echo "wine: making the prefix $dir (about 15 s)"
mkdir -p "$dir"
LANG=ja_JP.UTF-8 wineboot -u >/dev/null 2>&1 || true

reg_add() { wine_ja reg add "$1" /v "$2" /t REG_SZ /d "$3" /f >/dev/null 2>&1; }
fonts='HKCU\Software\Wine\Fonts\Replacements'
reg_add "$fonts" "ＭＳ ゴシック" IPAGothic
reg_add "$fonts" "ＭＳ Ｐゴシック" IPAPGothic
reg_add "$fonts" "MS Gothic" IPAGothic
reg_add "$fonts" "MS PGothic" IPAPGothic
reg_add "$fonts" "MS UI Gothic" IPAPGothic
if [ "$mode" = desktop ]; then
  reg_add 'HKCU\Software\Wine\Explorer' Desktop Default
  reg_add 'HKCU\Software\Wine\Explorer\Desktops' Default 1024x768
fi
wineserver -w
touch "$marker"
