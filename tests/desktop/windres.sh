#!/usr/bin/env bash
# The Windows resource script compiles, and the compiled record says what
# the program is: windres.sh kwindel.rc
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# The host's preprocessor: the script includes no Windows headers.
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$1" -O res -o "$out/kwindel.res"
x86_64-w64-mingw32-windres -J res -i "$out/kwindel.res" -O rc -o "$out/back.rc"
record=$(sed -n '/VERSIONINFO/,$p' "$out/back.rc")
expected=' FILEVERSION 1, 0, 0, 0
 PRODUCTVERSION 1, 0, 0, 0
      VALUE "CompanyName", "Vexlo"
      VALUE "FileVersion", "1.00"
      VALUE "ProductName", "Kwindel"
      VALUE "ProductVersion", "1.00"'
[[ $(grep -E 'VERSION |VALUE "' <<<"$record" | grep -v Translation) == "$expected" ]] || { echo "$record"; exit 1; }
[[ $(grep -c 'Element no' "$out/back.rc") == 3 ]] || { echo "the icon should hold three images"; exit 1; }
echo "windres: version record and icon compiled"
