#!/usr/bin/env bash
# The Debian package as a user meets it, run as root: built and checked by
# lintian, installed with apt, /usr/bin/kwindel run by an ordinary user
# (nobody, with a home of its own, on an X server of its own with openbox)
# through the quiz and a save, then purged without a trace.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
source "$src/tests/support/quiz.sh"
user=65534 triplet=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
tmp=$(mktemp -d) home=$(mktemp -d)
export DISPLAY

apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 -y -qq "$@"; }
installed() { dpkg-query -W -f='${Status}' kwindel 2>/dev/null | grep -q "install ok installed"; }
cleanup() {
    kill $(jobs -p) 2>/dev/null || true
    if installed; then apt_get purge kwindel >/dev/null; fi
    rm -rf "$tmp" "$home"
}
trap cleanup EXIT

build_and_check() {
    "$src/scripts/deb.sh"
    deb=$(echo "$src"/build-deb/kwindel_*_"$(dpkg --print-architecture)".deb)
    local tags
    tags=$(lintian "$deb" 2>&1 | grep -v 'root privileges') || true
    echo "lintian: ${tags:-no tags}"
    ! grep -q '^[EW]:' <<<"$tags" || fail "lintian"
}

install_and_check() {
    # Onto a fresh system as well: simulated from an empty list of installed packages.
    apt-get -s -o Dir::State::status=/dev/null install "$deb" | grep -q '^Inst kwindel ' || fail "dependencies"
    apt_get install "$deb" >/dev/null
    dpkg -L kwindel >"$tmp/files"
    local entry=/usr/share/applications/example.vexlo.Kwindel.desktop
    desktop-file-validate "$entry" && grep -qx 'Exec=/usr/bin/kwindel' "$entry" || fail "menu entry"
    appstreamcli validate --no-net /usr/share/metainfo/example.vexlo.Kwindel.metainfo.xml >/dev/null || fail "metainfo"
    [[ -f /usr/lib/$triplet/kwindel/libkwindel_print.so ]] || fail "the printing module in /usr/lib/$triplet/kwindel"
    [[ $(grep '^/usr/bin/' "$tmp/files") == /usr/bin/kwindel ]] || fail "more than the program in /usr/bin"
}

# Xvfb and openbox, each announcing itself before it is used.
start_desktop() {
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" 2>/dev/null &
    wait_for "[[ -s $tmp/display ]]"
    DISPLAY=:$(cat "$tmp/display")
    HOME=$tmp openbox --sm-disable >/dev/null 2>&1 &
    wait_for "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}

# The user's own: a home, and the stand-in opener first on its PATH.
as_user() {
    setpriv --reuid=$user --regid=$user --clear-groups env -i HOME="$home" PATH="$home/bin:/usr/bin:/bin" \
        XDG_RUNTIME_DIR="$home/.run" DISPLAY="$DISPLAY" LANG=C.UTF-8 KWINDEL_OPENED="$home/opened" \
        LPDEST=KwindelNoSuchQueue "$@"
}


# User 9 saves: the page lands in the user's data folder, byte for byte, and is handed to the opener.
# A print loads the module from its folder under /usr/lib (no such printer: a message, closed by Return).
run_quiz() {
    mkdir "$home/bin" && mkdir -m 700 "$home/.run" && cp "$src/tests/support/bin/xdg-open" "$home/bin/"
    chown -R $user:$user "$home"
    (as_user /usr/bin/kwindel; echo $? >"$tmp/status") &
    win=$(window '^Kwindel$')
    timeout 10 xdotool windowactivate --sync "$win"
    answer_quiz 9
    local page=$home/.local/share/kwindel/Kwindel.htm
    click cmdSave
    wait_for "grep -qx file://$page $home/opened"
    golden_page 9 | cmp - "$page" || fail "the saved page"
    [[ $(stat -c %u "$page") == "$user" ]] || fail "the page's owner"
    click cmdprint
    wait_for "grep -q /usr/lib/$triplet/kwindel/libkwindel_print.so /proc/$(xdotool getwindowpid "$win")/maps"
    sleep 0.5 && key Return && sleep 0.3
    click cmdEnd
    wait_for "[[ -s $tmp/status ]]"
    [[ $(cat "$tmp/status") == 0 ]] || fail "Einde: status $(cat "$tmp/status")"
}

purge_and_check() {
    apt_get purge kwindel >/dev/null
    local f left=()
    while read -r f; do
        [[ -e $f && (! -d $f || $f == *kwindel*) ]] && left+=("$f")
    done <"$tmp/files"
    ((${#left[@]} == 0)) || fail "left after purge: ${left[*]}"
}

build_and_check
install_and_check
start_desktop
run_quiz
purge_and_check
echo "package: lintian-clean, installed, saved as an ordinary user, purged"
