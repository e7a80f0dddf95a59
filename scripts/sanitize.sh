#!/usr/bin/env bash
# Builds the suite with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs it there. Any report fails, also one from a program a
# test starts: reports go to files, and the run fails when there are any.
# Quiet on success; on failure shows the log of the failing step.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-asan
logs=$dir/logs
rm -rf "$logs" && mkdir -p "$logs"

step() { # step NAME LOG COMMAND...
    local name=$1 log=$2
    shift 2
    printf '  %-30s' "$name"
    local start=$SECONDS
    if "$@" >"$log" 2>&1; then
        echo "ok ($((SECONDS - start)) s)"
    else
        echo "FAILED; the end of $log:"
        tail -n 150 "$log"
        return 1
    fi
}

flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
step configure "$logs/configure.log" cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined" || exit 1
step build "$logs/build.log" cmake --build "$dir" -j 2 || exit 1

export ASAN_OPTIONS="log_path=$PWD/$logs/report:detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="log_path=$PWD/$logs/report:print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/sanitize.supp:print_suppressions=0"
# Under a session bus, as on a desktop: without one, D-Bus's failed search
# for a bus leaks inside libdbus.
failed=0
step "test suite (sanitized)" "$logs/ctest.log" \
    dbus-run-session -- ctest --test-dir "$dir" --output-on-failure --timeout 900 || failed=1

reports=("$logs"/report.*)
if [[ -e ${reports[0]} ]]; then
    echo "  sanitizer reports (all in $logs/):"
    head -n 80 "${reports[@]}"
    failed=1
fi
exit $failed
