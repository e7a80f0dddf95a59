#!/usr/bin/env bash
# Start-up of the Windows build under Wine against the floor built with the
# same Qt for Windows: bench/wine.sh DEPLOYED SCRATCH QT RUNS, from
# scripts/windows.sh --bench [RUNS], which prepares Wine, X and the folders.
# Prints the start-up timer's table; nothing here passes or fails on a time.
set -euo pipefail
deployed=$1 scratch=$2 qt=$3 runs=$4
root=$(cd "$(dirname "$0")/.." && pwd)
# Both programs from one folder, so Windows finds the same DLLs for each.
folder=$scratch/bench
rm -rf "$folder" && cp -r "$deployed" "$folder"
x86_64-w64-mingw32-g++-posix -std=c++17 -O2 -mwindows -DFLOOR_TITLE='"Qt floor"' "$root/bench/floor.cpp" \
    -I"$qt/include" -I"$qt/include/QtCore" -I"$qt/include/QtGui" -I"$qt/include/QtWidgets" \
    -L"$qt/lib" -lQt6Widgets -lQt6Gui -lQt6Core -o "$folder/floor.exe"
for program in floor kwindel; do
    printf '#!/bin/sh\ncd "%s" && exec wine %s.exe\n' "$folder" "$program" >"$folder/$program.sh"
    chmod +x "$folder/$program.sh"
done
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target kwindel_startup_timer >/dev/null
wineserver -p # one server for every run, as a Windows session has
echo "== under $(wine --version), Qt for Windows from $qt"
"$root/build/bench/kwindel_startup_timer" "$runs" "Qt floor (Wine)=$folder/floor.sh" "Kwindel (Wine)=$folder/kwindel.sh"
