# Sourced by test.sh, run.sh and the packaging scripts: one short line per
# step. What a step prints goes to its own log in $logs (build/logs/ unless
# set), shown only when the step fails.
logs=${logs:-build/logs}
mkdir -p "$logs"

step() {
    local title=$1 log
    log="$logs/$(tr ' A-Z' '-a-z' <<<"$title").log"
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
