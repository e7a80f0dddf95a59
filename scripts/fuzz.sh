#!/usr/bin/env bash
# Builds the saved page's libFuzzer target with clang-14 (with AddressSanitizer
# and UBSan) in build-fuzz/ and runs it for at most a minute from
# tests/fuzz/corpus, which it only reads. A crash or a failed check fails the
# run; the input that did it is kept in build-fuzz/found/.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/steps.sh
seconds=${1:-50}
dir=build-fuzz

fuzz() {
    rm -rf "$dir/found" && mkdir -p "$dir/found"
    # As in scripts/sanitize.sh: keeps the leak tracer from dying by chance.
    ASAN_OPTIONS=intercept_tls_get_addr=0 "$dir/tests/page_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -artifact_prefix="$dir/found/" "$dir/found" tests/fuzz/corpus
}

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all"
step "Configuring the fuzzer" cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DKWINDEL_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize" \
    -DCMAKE_SHARED_LINKER_FLAGS="$sanitize"
step "Building the fuzzer" cmake --build "$dir" -j 2 --target page_fuzzer
step "Fuzzing the saved page for ${seconds} s" fuzz
