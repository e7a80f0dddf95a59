#!/usr/bin/env bash
# Remakes the screenshots in docs/ from the real program under openbox on a
# private X server: page 1, page 2, the output page and the info window.
#     scripts/screenshots.sh        (after ./run.sh or ./test.sh has built it)
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ "${1:-}" != --inside ]]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside
fi
export HOME=$(mktemp -d) # openbox's default look
openbox --sm-disable >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null' EXIT
sleep 1
build/kwindel 2>/dev/null &
main=$(timeout 10 xdotool search --sync --onlyvisible --name '^Kwindel$' | head -1)
xdotool windowmove --sync "$main" 20 20
shot() { sleep 0.5; import -window "$1" -frame "docs/$2.png"; echo "docs/$2.png"; }
forward() { xdotool mousemove --window "$main" 188 124 click 1; sleep 0.2; }
name() { xdotool mousemove --window "$main" 60 62 click 1 type "$1"; }

shot "$main" page1
forward
shot "$main" page2
for _ in $(seq 8); do forward; done
name "Sanne"; forward
name "Kim"; forward
shot "$main" output
xdotool mousemove --window "$main" 36 124 click 1
info=$(timeout 10 xdotool search --sync --onlyvisible --name '^Info' | head -1)
shot "$info" info
