#!/usr/bin/env bash
# Prepares a running CUPS scheduler and the backend of the printing test,
# which keeps every job exactly as it arrives (Qt sends PDF), one file per
# job. The test adds a raw queue of its own on this backend and points only
# its own process at it (LPDEST); the machine's default is never changed.
# Never fails the run: without root or CUPS it says why and the test skips.
set -uo pipefail

out=/var/spool/kwindel-test
backend=/usr/lib/cups/backend/kwindel-keep

skip() { echo "printer-setup: $*; the printing test will skip"; exit 0; }

[[ $(id -u) -eq 0 ]] || skip "not running as root"
command -v lpstat >/dev/null && command -v lpadmin >/dev/null || skip "CUPS client tools are missing"
[[ -d ${backend%/*} ]] || skip "no CUPS backend folder"

cat >"$backend" <<'BACKEND'
#!/bin/sh
# CUPS backend of Kwindel's tests: keeps each job's data unchanged.
if [ $# -eq 0 ]; then echo 'direct kwindel-keep "Unknown" "Kwindel test backend"'; exit 0; fi
dir=${DEVICE_URI#kwindel-keep:}
if [ -n "$6" ]; then cat "$6"; else cat; fi >"$dir/.job-$1" && mv "$dir/.job-$1" "$dir/job-$1.pdf"
BACKEND
chmod 0700 "$backend" # run as root, so it may write anywhere
mkdir -p "$out"

running() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! running; then
    cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
    [[ -x $cupsd ]] || skip "no cupsd to start"
    "$cupsd" </dev/null >/dev/null 2>&1 || skip "cupsd would not start"
    for _ in $(seq 50); do running && break; sleep 0.2; done
    running || skip "cupsd started but does not answer"
fi
echo "printer-setup: CUPS runs; test queues keep their jobs under $out"
