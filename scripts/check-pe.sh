#!/bin/bash
# Checks that a Windows exe is of the given machine (i386 or x86-64) and
# imports only DLLs that every Windows system has.
#   check-pe.sh EXE MACHINE
set -euo pipefail
exe=$1
machine=$2
case $machine in
  i386) objdump=i686-w64-mingw32-objdump; format=pe-i386 ;;
  x86-64) objdump=x86_64-w64-mingw32-objdump; format=pe-x86-64 ;;
  *) echo "unknown machine $machine" >&2; exit 2 ;;
esac
"$objdump" -f "$exe" | grep -q "file format $format" \
  || { echo "$exe: not $format" >&2; exit 1; }
system_dlls='^(kernel32|user32|gdi32|shell32|ole32|msvcrt|advapi32|comctl32)\.dll$'
bad=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' \
  | grep -Ev "$system_dlls" || true)
[ -z "$bad" ] || { echo "$exe imports non-system DLLs: $bad" >&2; exit 1; }
echo "$exe: $format, system DLLs only"
