#!/usr/bin/env bash
# Prepares a CUPS scheduler with a cups-pdf queue for the printing tests.
# Never fails the run: without root or CUPS it says why and the printing test
# skips. The queue is not made the machine's default; the test points only
# its own process at it (LPDEST).
set -uo pipefail

queue=KwindelTestPDF
out=/var/spool/cups-pdf/kwindel-test

skip() { echo "printer-setup: $*; the real-printer test will skip"; exit 0; }

[[ $(id -u) -eq 0 ]] || skip "not running as root"
command -v lpstat >/dev/null && command -v lpadmin >/dev/null || skip "CUPS client tools are missing"
[[ -x /usr/lib/cups/backend/cups-pdf ]] || skip "the cups-pdf backend is missing (printer-driver-cups-pdf)"

running() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! running; then
    cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
    [[ -x $cupsd ]] || skip "no cupsd to start"
    "$cupsd" </dev/null >/dev/null 2>&1 || skip "cupsd would not start"
    for _ in $(seq 50); do running && break; sleep 0.2; done
    running || skip "cupsd started but does not answer"
fi

# A queue of its own, with its own output folder and a job number in every
# file name, so two prints of the same page give two files.
mkdir -p "$out" && chmod 1777 "$out" # cups-pdf writes as the user who printed
printf 'Out %s\nLabel 2\n' "$out" >/etc/cups/cups-pdf-$queue.conf
if ! lpstat -p "$queue" >/dev/null 2>&1; then
    model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_noopt/ {print $1; exit}')
    if [[ -n $model ]]; then
        lpadmin -p "$queue" -v "cups-pdf:/$queue" -m "$model" -E 2>/dev/null
    else
        lpadmin -p "$queue" -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd -E 2>/dev/null
    fi || skip "lpadmin could not add $queue"
fi
cupsenable "$queue" && cupsaccept "$queue" || skip "$queue cannot be enabled"
echo "printer-setup: queue $queue ready; its PDFs go to $out"
