#!/usr/bin/env bash
# Builds the saved page's libFuzzer target with clang-14 (AddressSanitizer
# and UBSan too) in build-fuzz/ and runs it for at most a minute, starting
# from tests/fuzz/corpus (which it only reads). A crash or a failed check
# fails the run and shows the log; the input is kept in build-fuzz/logs/.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-50}
dir=build-fuzz
logs=$dir/logs
rm -rf "$logs" && mkdir -p "$logs/found"

step() { # step NAME LOG COMMAND...
    local name=$1 log=$2
    shift 2
    printf '  %-30s' "$name"
    local start=$SECONDS
    if "$@" >"$log" 2>&1; then
        echo "ok ($((SECONDS - start)) s)"
    else
        echo "FAILED; the end of $log:"
        tail -n 80 "$log"
        exit 1
    fi
}

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
step configure "$logs/configure.log" cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DKWINDEL_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitizers" -DCMAKE_EXE_LINKER_FLAGS="$sanitizers"
step build "$logs/build.log" cmake --build "$dir" -j 2 --target page_fuzzer
step "fuzz the saved page (${seconds} s)" "$logs/fuzz.log" "$dir/tests/fuzz/page_fuzzer" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 -artifact_prefix="$logs/" "$logs/found" tests/fuzz/corpus
grep -E '^(Done|#[0-9]+ +DONE)' "$logs/fuzz.log" | tail -n 1 | sed 's/^/  /'
