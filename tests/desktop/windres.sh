#!/usr/bin/env bash
# The Windows resource script compiles, and the compiled resources read back
# as the reviewed reference (version record and the icon's three images):
# windres.sh kwindel.rc. KWINDEL_REGENERATE=1 makes them the reference.
set -euo pipefail
out=$(mktemp -d) reference=$(dirname "$0")/../golden/kwindel-resources.rc
# The host's preprocessor will do: the script includes no Windows headers.
x86_64-w64-mingw32-windres --preprocessor=cpp -i "$1" -O res -o "$out/kwindel.res"
x86_64-w64-mingw32-windres -J res -i "$out/kwindel.res" -O rc -o "$out/back.rc"
[[ ${KWINDEL_REGENERATE:-0} != 1 ]] || cp "$out/back.rc" "$reference"
diff "$reference" "$out/back.rc"
