#!/bin/sh
# Fails when the executable imports a DLL that is not part of Windows itself.
exe="$1"
imports=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }
allowed=" kernel32.dll user32.dll gdi32.dll gdiplus.dll comctl32.dll msimg32.dll ole32.dll oleaut32.dll advapi32.dll shell32.dll msvcrt.dll "
status=0
for dll in $imports; do
  case "$allowed" in
    *" $dll "*) echo "ok      $dll" ;;
    *) echo "foreign $dll"; status=1 ;;
  esac
done
exit $status
