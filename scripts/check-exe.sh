#!/usr/bin/env bash
# Checks that an exe is what a Windows player can run as it is: PE32 for
# i386, GUI subsystem, importing only DLLs that every Windows has.
set -euo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "check-exe: $exe: $*" >&2; exit 1; }
grep -q 'file format pei-i386' <<<"$dump" || fail "not a PE32 i386 image"
grep -qE 'Magic[[:space:]]+010b' <<<"$dump" || fail "not PE32"
grep -qE 'Subsystem[[:space:]]+00000002' <<<"$dump" || fail "not a GUI program"
system_dlls='^(kernel32|user32|gdi32|winmm|imm32|msvcrt|advapi32|comctl32|shell32|ole32)\.dll$'
while read -r dll; do
  lower=$(tr 'A-Z' 'a-z' <<<"$dll")
  grep -qE "$system_dlls" <<<"$lower" || fail "imports $dll, which is not a system DLL"
done < <(sed -n 's/.*DLL Name: //p' <<<"$dump")
echo "check-exe: $exe is a statically linked PE32 i386 GUI program"
