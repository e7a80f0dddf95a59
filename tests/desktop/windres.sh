#!/usr/bin/env bash
# The Windows resource script compiles, and the compiled record says what
# the program is: windres.sh kwindel.rc
set -euo pipefail
out=$(mktemp -d)
# The host's preprocessor will do: the script includes no Windows headers.
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$1" -O res -o "$out/kwindel.res"
x86_64-w64-mingw32-windres -J res -i "$out/kwindel.res" -O rc -o "$out/back.rc"
record=$(grep -E 'VERSION |VALUE "|Element no' "$out/back.rc" | tr -s ' \t' ' ')
expected=' FILEVERSION 1, 0, 0, 0 PRODUCTVERSION 1, 0, 0, 0 VALUE "CompanyName", "Vexlo" VALUE "FileVersion", "1.00"'
expected+=' VALUE "ProductName", "Kwindel" VALUE "ProductVersion", "1.00" VALUE "Translation", 0x413, 1200'
[[ $(grep -c 'Element no' <<<"$record") == 3 && $(grep -v Element <<<"$record" | tr -d '\n') == "$expected" ]] ||
    { echo "unexpected record: $record"; exit 1; }
echo "windres: version record and icon of three images compiled"
