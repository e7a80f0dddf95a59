#!/usr/bin/env bash
# Builds Kwindel (Release) with its benchmarks and prints their measurements:
# start-up against a bare Qt window under Xvfb, then the waits inside the
# program. Nothing here passes or fails on a time.
#   ./bench.sh [RUNS [OTHER]]   start-up runs per program, 15 unless given;
#                               OTHER: another build's kwindel to compare
#                               (say, of main) in the same runs
set -euo pipefail
cd "$(dirname "$0")"
runs=${1:-15}
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j 2 --target kwindel kwindel_startup_timer kwindel_floor kwindel_floor_printing \
    kwindel_interaction_bench kwindel_output_bench kwindel_first_frame

# A private runtime folder, and no session bus: without one, D-Bus would try
# to start a bus for every program it measures.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR DBUS_SESSION_BUS_ADDRESS=disabled:
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), Qt $(qmake6 -query QT_VERSION 2>/dev/null || echo 6)"
xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/kwindel_startup_timer "$runs" \
    "Qt floor=build/bench/kwindel_floor" \
    "Qt floor + printing=build/bench/kwindel_floor_printing" \
    ${2:+"Kwindel (other)=$2"} "Kwindel=build/kwindel"

# The same start-ups to the first drawing in instructions, which callgrind
# counts alike however busy the machine is, and the memory then.
first_frame() { # PROGRAM [valgrind ...]: prints its resident kB
    xvfb-run -a -s "-screen 0 1280x1024x24" env LD_PRELOAD="$PWD/build/bench/libkwindel_first_frame.so" "${@:2}" "$1" 2>&1 |
        sed -n 's/^first frame VmRSS: *\([0-9]*\) kB/\1/p'
}
echo
{
    for program in "Qt floor=build/bench/kwindel_floor" ${2:+"Kwindel (other)=$2"} "Kwindel=build/kwindel"; do
        out=$(mktemp)
        first_frame "${program#*=}" valgrind --tool=callgrind --callgrind-out-file="$out" >/dev/null
        echo "${program%%=*}=$(sed -n 's/^summary: //p' "$out")=$(first_frame "${program#*=}")"
        rm -f "$out"
    done
} | awk -F= 'BEGIN { print "to the first drawing: instructions (callgrind), resident memory (VmRSS) then" }
    NR == 1 { ir = $2; kb = $3 }
    { printf "%-22s %8.2f M %5.2fx   %5.1f MB %5.2fx\n", $1, $2 / 1e6, $2 / ir, $3 * 1024 / 1e6, $3 / kb }'
echo
xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/kwindel_interaction_bench
echo
build/bench/kwindel_output_bench
