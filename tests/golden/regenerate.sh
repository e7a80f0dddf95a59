#!/bin/sh
# Makes the program's present outputs the reference outputs, on purpose
# only: look at every changed file (git diff; the images zoomed in) and
# check it against what the program must show before committing it.
set -e
cd "$(dirname "$0")/../.."
cmake --build build
[ ! -e build-windows/kwindel.exe ] || x86_64-w64-mingw32-windres -i build-windows/kwindel.exe -O rc -o tests/golden/kwindel-resources.rc
cd build && KWINDEL_REGENERATE=1 ctest -R 'tst_|desktop_installed' --output-on-failure
