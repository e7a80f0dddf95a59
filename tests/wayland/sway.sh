#!/usr/bin/env bash
# The program as a native Wayland client under a headless sway: sway.sh KWINDEL
# One user goes through the quiz by clicks and keys and saves the page; the
# info window must be translucent and the main window's child, and "Einde"
# ends the program.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/quiz.sh"
program=$(realpath "$1") user=${KWINDEL_WAYLAND_USER:-9} app_id=example.vexlo.Kwindel
work=$(mktemp -d) && chmod 711 "$work"
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$work"' EXIT

# Sway refuses root: it runs as nobody, in a runtime folder of its own, and the
# test's clients, root, reach it by the socket's full path.
start_sway() {
    local run=$work/sway
    install -d -m 0700 -o 65534 -g 65534 "$run"
    printf '%s\n' 'xwayland disable' 'output * resolution 1280x1024 bg #008080 solid_color' >"$run/config"
    env HOME="$run" XDG_RUNTIME_DIR="$run" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        setpriv --reuid=65534 --regid=65534 --clear-groups sway -c "$run/config" >"$work/sway.log" 2>&1 &
    wait_for "ls $run/sway-ipc.*.sock && ls $run/wayland-?"
    export SWAYSOCK=$(ls "$run"/sway-ipc.*.sock) WAYLAND_DISPLAY=$(ls "$run"/wayland-?)
    export XDG_RUNTIME_DIR=$work/client QT_QPA_PLATFORM=wayland
    install -d -m 0700 "$XDG_RUNTIME_DIR"
}

# The seat has no pointer until a client holds a virtual one, and a typed name
# loses its first letter unless a keyboard is held too.
hold_input() {
    wayland-scanner client-header "$here/data/virtual-pointer.xml" "$work/virtual-pointer.h"
    wayland-scanner private-code "$here/data/virtual-pointer.xml" "$work/virtual-pointer.c"
    cc -I"$work" -o "$work/hold-pointer" "$here/hold-pointer.c" "$work/virtual-pointer.c" -lwayland-client
    "$work/hold-pointer" >"$work/pointer" &
    wtype -s 100000000 &
    wait_for "grep -q ready $work/pointer"
}

# A window of the program whose title matches: its content's place on the
# screen, sway's id for it and its shell.
window() {
    swaymsg -t get_tree | jq -r --arg app "$app_id" --arg title "$1" '.. | objects
        | select(.app_id? == $app and (.name // "" | test($title)))
        | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.id) \(.shell)"' | head -1
}
# The quiz driver's verbs, in the window whose content lies at ox,oy.
click() {
    local x y w h d=${2:-8} e=${3:-${2:-8}}
    read -r x y w h < <(place "$1")
    swaymsg -q seat - cursor set $((ox + x + w / 2 + d)) $((oy + y + h / 2 + e))
    swaymsg -q seat - cursor press button1 && swaymsg -q seat - cursor release button1 && sleep 0.2
}
key() { wtype -k "$1" && sleep 0.1; }
enter() { wtype -d 20 "$1" && sleep 0.2; }

# A pixel of a picture: r g b.
rgb() { convert "$1" -crop "1x1+$2+$3" -depth 8 rgb:- | od -An -tu1; }
# Over the desktop, the info window's own colours (its reference image) read
# as their blend with the desktop at 200/255.
check_translucent() {
    local shot=$PWD/wayland-info.png x y own desk seen want
    grim "$shot"
    desk=($(rgb "$shot" 1279 1023))
    for x in 4 180 350; do for y in 4 380; do
        own=($(rgb "$golden/frminfo.png" "$x" "$y")) seen=($(rgb "$shot" $((ix + x)) $((iy + y))))
        want=($(for c in 0 1 2; do echo $(((200 * own[c] + 55 * desk[c] + 127) / 255)); done))
        for c in 0 1 2; do
            ((${seen[c]} - ${want[c]} <= 2 && ${want[c]} - ${seen[c]} <= 2)) ||
                fail "info window at $x,$y: ${seen[*]}, not ${want[*]} (own ${own[*]} over ${desk[*]}): $shot"
        done
    done; done
}
# The info window's toplevel names the main window's as its parent on the wire.
check_parent() {
    local main info
    main=$(grep -o 'xdg_toplevel@[0-9]*\.set_title("Kwindel")' "$work/wire" | cut -d. -f1 | head -1)
    info=$(grep -o 'xdg_toplevel@[0-9]*\.set_title("Info' "$work/wire" | cut -d. -f1 | head -1)
    [[ -n $main && -n $info ]] || fail "no toplevels on the wire"
    grep -q "$info\.set_parent($main)" "$work/wire" || fail "the info window ($info) is not the child of $main"
}

start_sway
hold_input
page=$(dirname "$program")/Kwindel.htm opened=$work/opened
rm -f "$page"
PATH=$here/../support/bin:$PATH KWINDEL_OPENED=$opened WAYLAND_DEBUG=client "$program" 2>"$work/wire" &
pid=$!
wait_for '[[ -n $(window "^Kwindel$") ]]'
read -r ox oy id shell < <(window '^Kwindel$')
[[ $shell == xdg_shell ]] || fail "main window on $shell"
swaymsg -q "[con_id=$id] move position 0 0" && sleep 0.3
read -r ox oy id shell < <(window '^Kwindel$')

answer_quiz "$user"
click cmdSave
wait_for "grep -q Kwindel.htm $opened"
golden_page "$user" | cmp - "$page" || fail "saved page of user $user"

click cmdInfo 0
wait_for '[[ -n $(window "^Info   \\[") ]]'
read -r ix iy _ < <(window '^Info   \[')
sleep 0.5 # its first frames
check_translucent
check_parent
# The child goes with its parent: "Einde" ends the program with the info window open.
click cmdEnd
wait_for "! kill -0 $pid"
wait "$pid" || fail "the program ended with status $?"
echo "wayland: user $user through the quiz, page saved and opened, info window translucent and a child"
