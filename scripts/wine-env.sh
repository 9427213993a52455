# Sourced by the scripts that call Wine: the environment every Wine call needs.
# WINEPREFIX must be set by the caller before sourcing.
: "${WINEPREFIX:?WINEPREFIX must be set before any Wine call}"
export WINEPREFIX
export WINEARCH=win32
export WINEDEBUG=-all
# EXTRA_DLL_OVERRIDES: more, for one run (a test without the audio driver).
export WINEDLLOVERRIDES="mscoree,mshtml=${EXTRA_DLL_OVERRIDES:+;$EXTRA_DLL_OVERRIDES}"
# Wine is started through wine_ja so that only Wine, not make or gcc, speaks Japanese.
wine_ja() { LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 wine "$@"; }
