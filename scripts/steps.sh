# Sourced by test.sh and run.sh: one short line per step. What a step prints
# goes to its own log in build/logs/, shown only when the step fails.
mkdir -p build/logs

step() {
    local title=$1 log
    log="build/logs/$(tr ' A-Z' '-a-z' <<<"$title").log"
    shift
    printf '%s... ' "$title"
    if "$@" >"$log" 2>&1; then
        echo ok
    else
        echo "failed; the last lines of $log:"
        tail -n 60 "$log"
        exit 1
    fi
}
