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
# Built as CMake builds Kwindel against the same Qt.
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -mwindows -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_NO_DEBUG \
    -DUNICODE -D_UNICODE -DFLOOR_TITLE='"Qt floor"' "$root/bench/floor.cpp" \
    -isystem "$qt/include" -isystem "$qt/include/QtCore" -isystem "$qt/include/QtGui" -isystem "$qt/include/QtWidgets" \
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
