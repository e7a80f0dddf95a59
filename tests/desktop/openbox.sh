#!/usr/bin/env bash
# The real program under a real window manager (openbox), on an X server
# of its own: openbox.sh KWINDEL
set -euo pipefail
export HOME=$(mktemp -d) # openbox's default settings, not the user's
openbox --sm-disable >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wait_for() { for _ in $(seq 100); do eval "$1" >/dev/null 2>&1 && return; sleep 0.1; done; fail "never: $1"; }
window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -1; }
prop() { xprop -id "$1" "$2"; }
on_top() { xprop -root _NET_CLIENT_LIST_STACKING | grep -qi "$(printf '0x%x$' "$1")"; }

wait_for "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
"$1" 2>/dev/null &
main=$(window '^Kwindel$')
allowed=$(prop "$main" _NET_WM_ALLOWED_ACTIONS)
[[ $allowed == *MINIMIZE* && $allowed != *MAXIMIZE* && $allowed != *RESIZE* ]] || fail "main window: $allowed"

xdotool windowmove --sync "$main" 0 0 # where the info window leaves it in sight
xdotool mousemove --window "$main" 36 124 click 1 # About...
info=$(window '^Info')
wait_for "on_top $info"
allowed=$(prop "$info" _NET_WM_ALLOWED_ACTIONS)
[[ $allowed != *MAXIMIZE* && $allowed != *RESIZE* ]] || fail "info window: $allowed"
# Openbox keeps every window's minimize function on purpose; the program asks
# for none: functions close, move and resize (Qt's fixed size) only.
[[ $(prop "$info" _MOTIF_WM_HINTS) == *"0x3, 0x26,"* ]] || fail "info window asks for $(prop "$info" _MOTIF_WM_HINTS)"
# Centred before openbox adds its frame: down by up to the title bar's height.
read -r x y w h < <(xwininfo -id "$info" | awk '/Absolute upper-left [XY]|Width|Height/ {printf "%s ", $NF} END {print ""}')
(( ${x} + w / 2 - 640 <= 2 && 640 - x - w / 2 <= 2 )) || fail "info window not centred across: $x+$w"
(( ${y} + h / 2 - 512 <= 21 && 512 - y - h / 2 <= 21 )) || fail "info window not centred down: $y+$h"
before=$(import -window "$info" rgb:- | md5sum)

xdotool mousemove --window "$main" 112 5 click 1 # the page frame's caption
wait_for "on_top $main"
xdotool mousemove --window "$info" 180 10 click 1 # its background picture
wait_for "on_top $info"
sleep 0.3
[[ $(import -window "$info" rgb:- | md5sum) == "$before" ]] || fail "the info window changed on activation"
[[ $(prop "$info" _NET_WM_NAME) == *'"Info   [2.0]"' ]] || fail "caption $(prop "$info" _NET_WM_NAME)"
echo "openbox: decorations, placement and window order as designed"
