# The quiz as a user goes through it, sourced by the drivers for X11, Wayland
# and Wine. A driver has, in its own terms (X11's are below):
#   click CONTROL [DX [DY]]  a click on the control's centre, moved by DX, DY;
#                            page controls lie in a frame at 8,8, the default
#   key KEY                  one key, by its X keysym name
#   enter TEXT               text typed into the focused box
# and may define, for checks of what the pages show, on_page CONTROL COUNT
# (before a choice page's answer), on_list CONTROL (on its open list),
# on_answer CONTROL (after it) and on_name BOX NAME (once a name is typed).
golden=$(cd "$(dirname "${BASH_SOURCE[0]}")/../golden" && pwd)

# The choice pages: their controls and how many choices each has.
quiz_pages=(optHkleur:2 optDFeest:4 optKleur:4 optHobby:3 optWinkel:2 cmbStad:3 optStrand:2 cmbMonth:12 optThuis:2)
# The users the drivers play, by their number in the golden pages: names
# with letters beyond ASCII, and an emoji.
other_name=([1]="de buurjongen" [4]="😀" [9]="René Müller")
own_name=([1]="Zoë" [4]="Noël" [9]="Łódź")

fail() { echo "FAIL: $*" >&2; exit 1; }
# Until CONDITION holds, for up to 30 s.
wait_for() { for _ in $(seq 150); do eval "$1" >/dev/null 2>&1 && return; sleep 0.2; done; fail "never: $1"; }
# The first visible window whose name matches, within 30 s. Wine makes and drops X windows while one maps,
# and a search that meets one fails: search again.
window() {
    for _ in $(seq 150); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep . && return
        sleep 0.2
    done
    fail "no window $1"
}

# A control's place and size in its window at scale 1, as the layout's golden file has them: x y w h.
place() {
    awk -v n="$1" '$1 == n { split($2, p, ","); split($3, s, "x"); print p[1], p[2], s[1], s[2]; exit }' \
        "$golden/places.txt"
}

# X11's driver: xdotool in the window $win, on a screen of scale $pct percent.
pct=100
click() {
    local x y w h dx=${2:-8} dy=${3:-${2:-8}}
    read -r x y w h < <(place "$1")
    xdotool mousemove --window "$win" $(((x + w / 2 + dx) * pct / 100)) $(((y + h / 2 + dy) * pct / 100)) \
        click 1 sleep 0.3
    wm_seen
}
# Openbox holds the pointer from a press on a window until it has seen the
# press; a motion sent before then, on a busy machine, carries the release
# off the button. A round trip through it (a desktop more, then as many as
# before) waits for that. Without a window manager there is nothing to wait for.
wm_seen() {
    local n
    n=$(xdotool get_num_desktops 2>/dev/null) || return 0
    xdotool set_num_desktops $((n + 1)) && wait_for "(( \$(xdotool get_num_desktops) == $((n + 1)) ))"
    xdotool set_num_desktops "$n" && wait_for "(( \$(xdotool get_num_desktops) == $n ))"
}
key() { xdotool key "$1"; }
enter() { xdotool type --delay 100 "$1"; }

# User K answers every page: choice K modulo the page's count, then the two
# names; the quiz ends on the output page.
answer_quiz() {
    local k=$1 page control count n
    for page in "${quiz_pages[@]}"; do
        control=${page%:*} count=${page#*:} n=$((k % count))
        sleep 0.3
        if declare -F on_page >/dev/null; then on_page "$control" "$count"; fi
        if [[ $control == cmb* ]]; then
            click "$control" # the list opens: n down, then Return
            if declare -F on_list >/dev/null; then on_list "$control"; fi
            for _ in $(seq "$n"); do key Down; sleep 0.1; done
            key Return
        else
            click "$control($n)"
        fi
        if declare -F on_answer >/dev/null; then on_answer "$control($n)"; fi
        click "cmdPrevNext(0)" 0
    done
    local box name
    for box in txtAGeslacht txtNaam; do
        [[ $box == txtNaam ]] && name=${own_name[k]} || name=${other_name[k]}
        click "$box" && enter "$name"
        if declare -F on_name >/dev/null; then on_name "$box" "$name"; fi
        click "cmdPrevNext(0)" 0
    done
}

# User K's saved page, as the golden pages have it.
golden_page() { sed -n "$((11 * $1 + 1)),$((11 * $1 + 11))p" "$golden/saved-pages.htm"; }
