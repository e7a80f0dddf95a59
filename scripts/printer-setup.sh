#!/usr/bin/env bash
# Prepares a running CUPS scheduler and the backend of the printing test,
# which keeps every job exactly as it arrives (Qt sends PDF), one file per
# job, and a Letter printer's driver. The test adds a raw queue and a Letter
# queue of its own on this backend and points only
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
# A second test queue's driver: Letter paper by default, with hardware margins.
cat >"$out/letter.ppd" <<'PPD'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "KWLETTER.PPD"
*Manufacturer: "Kwindel"
*Product: "(Kwindel test printer)"
*ModelName: "Kwindel Letter"
*ShortNickName: "Kwindel Letter"
*NickName: "Kwindel Letter"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "18 36 594 756"
*ImageableArea A4/A4: "18 36 577 806"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*PaperDimension A4/A4: "595 842"
PPD

running() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! running; then
    cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
    [[ -x $cupsd ]] || skip "no cupsd to start"
    "$cupsd" </dev/null >/dev/null 2>&1 || skip "cupsd would not start"
    for _ in $(seq 50); do running && break; sleep 0.2; done
    running || skip "cupsd started but does not answer"
fi
echo "printer-setup: CUPS runs; test queues keep their jobs under $out"
