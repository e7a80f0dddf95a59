#!/usr/bin/env bash
# The real program under a real window manager (openbox), on an X server of
# its own: openbox.sh KWINDEL
set -euo pipefail
export HOME=$(mktemp -d) # openbox's default settings
openbox --sm-disable >/dev/null 2>&1 &
trap 'kill $(jobs -p) 2>/dev/null' EXIT
source "$(dirname "$0")/../support/quiz.sh" # fail, wait_for, window
on_top() { xprop -root _NET_CLIENT_LIST_STACKING | grep -qi "$(printf '0x%x$' "$1")"; }
shot() { import -window "$info" rgb:- | md5sum; }

wait_for "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
"$1" 2>/dev/null &
pid=$!
main=$(window '^Kwindel$')
allowed=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
[[ $allowed == *MINIMIZE* && $allowed != *MAXIMIZE* && $allowed != *RESIZE* ]] || fail "main window: $allowed"
timeout 10 xdotool windowmove --sync "$main" 0 0 # in sight beside the info window
xdotool mousemove --window "$main" 36 124 click 1 # About...
info=$(window '^Info')
wait_for "on_top $info"
allowed=$(xprop -id "$info" _NET_WM_ALLOWED_ACTIONS)
[[ $allowed != *MAXIMIZE* && $allowed != *RESIZE* ]] || fail "info window: $allowed"
# Openbox grants every window minimizing on purpose; the program asks for
# close and move only (and resize, which Qt asks for and the fixed size stops).
[[ $(xprop -id "$info" _MOTIF_WM_HINTS) == *"= 0x3, 0x26,"* ]] || fail "$(xprop -id "$info" _MOTIF_WM_HINTS)"
# Centred before openbox adds its frame: down by up to its title bar.
read -r x y w h < <(xwininfo -id "$info" | awk '/Absolute upper-left [XY]|Width|Height/ {printf "%s ", $NF} END {print ""}')
(( x + w / 2 - 640 <= 2 && 640 - x - w / 2 <= 2 && y + h / 2 - 512 <= 21 && 512 - y - h / 2 <= 2 )) ||
    fail "info window not centred: $x,$y ${w}x$h"
# With no minimize button and no task bar entry, a minimized info window is restored.
xdotool windowminimize "$info" sleep 0.3
wait_for "xprop -id $info WM_STATE | grep -q Normal"
before=$(shot)
xdotool mousemove --window "$main" 112 5 click 1 # the page frame's caption
wait_for "on_top $main"
xdotool mousemove --window "$info" 180 10 click 1 # the info window's background picture
wait_for "on_top $info"
sleep 0.3 # the activation's repaint
[[ $(shot) == "$before" && $(xprop -id "$info" _NET_WM_NAME) == *'"Info   [2.0]"' ]] ||
    fail "the info window changed on activation"
# Independent windows: the program ends when the last of them closes.
timeout 10 xdotool windowactivate --sync "$main" key alt+F4 || fail "main window not activated"
wait_for "! xwininfo -id $main | grep -q IsViewable"
sleep 0.5
kill -0 "$pid" || fail "closing the main window ended the program while the info window was open"
timeout 10 xdotool windowactivate --sync "$info" key alt+F4 || fail "info window not activated"
wait_for "! kill -0 $pid"
wait "$pid" || fail "the program ended with status $?"
