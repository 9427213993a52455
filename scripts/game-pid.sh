#!/usr/bin/env bash
# Prints the Linux process id of the running wallo.exe of the Wine prefix
# WINEPREFIX (another session's game is not ours), or nothing.
for pid in $(pgrep -f 'wallo\.exe'); do
  if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
    echo "$pid"
    exit 0
  fi
done
