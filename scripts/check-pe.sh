#!/bin/bash
# Checks that a Windows exe is of the given machine (i386 or x86-64) and
# imports only DLLs that every Windows system has. With --gui it also checks
# that the exe is a GUI program carrying the resources the program relies on:
# an icon group, version information and a manifest.
#   check-pe.sh EXE MACHINE [--gui]
set -euo pipefail
exe=$1
machine=$2
gui=${3:-}
case $machine in
  i386) objdump=i686-w64-mingw32-objdump; format=pei-i386 ;;
  x86-64) objdump=x86_64-w64-mingw32-objdump; format=pei-x86-64 ;;
  *) echo "unknown machine $machine" >&2; exit 2 ;;
esac
case $gui in
  ""|--gui) ;;
  *) echo "unknown option $gui" >&2; exit 2 ;;
esac
"$objdump" -f "$exe" | grep -q "file format $format" \
  || { echo "$exe: not $format" >&2; exit 1; }
headers=$("$objdump" -p "$exe")
system_dlls='^(kernel32|user32|gdi32|shell32|ole32|msvcrt|advapi32|comctl32)\.dll$'
bad=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' \
  | grep -Ev "$system_dlls" || true)
[ -z "$bad" ] || { echo "$exe imports non-system DLLs: $bad" >&2; exit 1; }
if [ -z "$gui" ]; then
  echo "$exe: $format, system DLLs only"
  exit 0
fi

grep -Eq '^Subsystem\s+00000002\b' <<<"$headers" \
  || { echo "$exe: not a GUI subsystem exe" >&2; exit 1; }
# The types of the resource directory's top level are the entries indented
# by exactly three spaces in objdump's listing.
for type in 0e:icon-group 10:version 18:manifest; do
  grep -Eq "^[0-9a-f]+   Entry: ID: 0x0000${type%%:*}," <<<"$headers" \
    || { echo "$exe: no ${type#*:} resource" >&2; exit 1; }
done
echo "$exe: $format, system DLLs only, GUI, icon group, version and manifest"
