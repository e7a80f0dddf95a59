#!/usr/bin/env bash
# The Windows program under Wine, as its installer leaves it: wine.sh SETUP.EXE LAYERED.EXE
# (scripts/windows.sh prepares Wine, X with openbox and a CUPS queue of its own).
# Users go through the quiz with clicks and keys at each scale Windows offers;
# their saved pages and the printed sheet are those of the Linux golden files.
# The installer and the uninstaller meet a running Kwindel.
set -euo pipefail
source "$(dirname "$0")/../support/quiz.sh"
setup=$1 layered=$2
appdata=$WINEPREFIX/drive_c/users/$(id -un)/AppData
dir=$appdata/Local/Programs/Kwindel
link="$appdata/Roaming/Microsoft/Windows/Start Menu/Programs/Kwindel.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kwindel'
shot=$KWINDEL_JOBS/window.png

# --- What the comparisons assume -------------------------------------------

check_prerequisites() {
    # The printed sheet is drawn in these faces on Windows: without them it is another sheet.
    [[ -n $(fc-list "Humor Sans") ]] || fail "missing prerequisite: the face Humor Sans (package fonts-humor-sans)"
    [[ -f $WINEPREFIX/drive_c/windows/Fonts/tahoma.ttf ]] ||
        fail "missing prerequisite: Wine's Tahoma (package fonts-wine)"
}

# --- The driver --------------------------------------------------------------

# Wine's keyboard gives nothing beyond 16 bits, so an emoji is pasted, as many Windows users enter one.
enter() {
    local text=$1 c i
    [[ -n $warned ]] || { warned=1 && warning; }
    for ((i = 0; i < ${#text}; i++)); do
        c=${text:i:1}
        if (($(printf %d "'$c") > 0xffff)); then
            printf %s "$c" | xclip -selection clipboard && xdotool key ctrl+v
        else
            xdotool type --delay 100 "$c"
        fi
    done
}

# Keys of their own for the letters beyond ASCII: keys that xdotool maps while typing reach Wine too late.
map_keys() {
    local free c i=0
    free=($(xmodmap -pke | awk 'NF == 3 { print $2 }'))
    for c in $(grep -o '[^ -~]' <<<"${other_name[*]}${own_name[*]}" | sort -u); do
        xmodmap -e "keycode ${free[i++]} = $(printf 'U%04X' "'$c")"
    done
}

# --- What the user sees -----------------------------------------------------------

# A box of the window at scale 1, in the screenshot at this scale: W H X Y for -crop, rows inside.
box() {
    local x=$1 y=$2 w=$3 h=$4 top bottom
    top=$(((y * pct + 99) / 100)) bottom=$(((y + h) * pct / 100 - 1))
    echo "$((w * pct / 100))x$((bottom - top + 1))+$((x * pct / 100))+$top"
}

# For each row of a box of an image (the screenshot unless given), whether it holds ink: 0s and 1s.
ink_rows() {
    local image=${2:-$shot}
    local size=${1:-$(identify -format %wx%h+0+0 "$image")}
    size=${size%%+*}
    convert "$image" -crop "${1:-$size+0+0}" +repage -colorspace gray -negate -threshold 40% -scale "1x${size#*x}!" \
        -depth 8 txt:- | awk 'NR > 1 { printf "%d", $0 !~ /#000000/ }'
}

# The heights of the lines of text in a box: its runs of rows with ink. A letter's tail may stand a row
# apart from its line: a short run one row under a line is part of it.
ink_lines() {
    ink_rows "$1" | awk '{
        n = split($0, rows, "")
        for (i = 1; i <= n; i++) {
            if (rows[i] == 1 && run == 0 && gap == 1 && count && h[count] > 0) { tail = 1 }
            if (rows[i] == 1) { run++; gap = 0; continue }
            if (run) { if (tail && run * 3 < h[count]) h[count] += run + 1; else h[++count] = run }
            run = 0; tail = 0; gap++
        }
        if (run) { if (tail && run * 3 < h[count]) h[count] += run + 1; else h[++count] = run }
        for (i = 1; i <= count; i++) printf "%d ", h[i]
    }'
}

# No ink on a box's first or last row: no line of it is cut.
whole() {
    local rows
    rows=$(ink_rows "$1")
    [[ $rows == 0*0 ]] || fail "cut at ${pct}%: $2 ($rows)"
}

# A choice page as drawn: every option caption whole (past its circle, with its focus rectangle), and the
# question whole on the lines it has at scale 1, none cut at its label's foot.
declare -A question_lines
on_page() {
    local control=$1 count=$2 i x y w h label
    shot=$KWINDEL_JOBS/$control-$pct.png # kept, to be looked at
    import -window "$win" "$shot"
    for ((i = 0; i < count; i++)); do
        [[ $control == cmb* ]] && break
        read -r x y w h < <(place "$control($i)")
        whole "$(box $((x + 8 + 14)) $((y + 8)) $((w - 14)) "$h")" "$control($i)"
    done
    # The question: its page's label, down to where the next control starts.
    local below lines
    read -r label below < <(awk -v c="$control" '/^Frame/ { getline; q = $1; getline; split($2, p, ","); b = p[2] }
        $1 ~ "^" c { print q, b; exit }' "$golden/places.txt")
    read -r x y w h < <(place "$label")
    lines=($(ink_lines "$(box $((x + 8)) $((y + 8)) "$w" $((below < y + h ? below - y : h)))"))
    [[ -n ${question_lines[$label]:-} ]] || question_lines[$label]=${#lines[@]}
    ((${#lines[@]} == question_lines[$label] && lines[-1] * 10 >= lines[0] * 6)) ||
        fail "at ${pct}%: $label has lines of ${lines[*]} rows, ${question_lines[$label]} lines at 100%"
}

# A typed name as Linux draws it at this scale, where the golden pages hold the same name (user 9's first,
# user 4's second). Up to 150 % both draw MS Sans Serif's strikes: the same ink, pixel for pixel. Above,
# each rasterizes the outline stand-in: as wide and as high, within two pixels. Focus leaves the box first,
# and with it the caret.
declare -A golden_names=([txtAGeslacht]="René Müller" [txtNaam]="Noël")
on_name() {
    [[ ${golden_names[$1]} == "$2" ]] || return 0
    local x y w h area drawn expected page=10
    [[ $1 == txtNaam ]] && page=11
    key Tab && sleep 0.3
    import -window "$win" "$KWINDEL_JOBS/$1-$pct.png"
    read -r x y w h < <(place "$1")
    area=$(box $((x + 10)) $((y + 11)) $((w - 4)) $((h - 6)))
    drawn=$(ink_box "$area" "$KWINDEL_JOBS/$1-$pct.png") expected=$(ink_box "$area" "$golden/form1-page$page$(scaled).png")
    echo "$1 at ${pct}%: $drawn, on Linux $expected" >&2
    if ((pct <= 150)); then
        [[ $(ink "$area" "$KWINDEL_JOBS/$1-$pct.png") == $(ink "$area" "$golden/form1-page$page$(scaled).png") ]]
    else
        near "$drawn" "$expected" 2
    fi || fail "$1 at ${pct}%: its name is ${drawn/ /x}, not as on Linux (${expected/ /x})"
}

# The ink of a box of an image, as a bitmap of its own.
ink() { convert "$2" -crop "$1" +repage -colorspace gray -negate -threshold 40% -trim +repage pbm:- | md5sum; }

# The ink of a box of an image: its width and height.
ink_box() {
    convert "$2" -crop "$1" +repage -colorspace gray -negate -threshold 40% -trim -format '%w %h' info:
}

# Whether two "W H" are the same, but for up to D either way.
near() {
    awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN { split(a, x); split(b, y); exit (x[1] - y[1]) ^ 2 > d * d || (x[2] - y[2]) ^ 2 > d * d }'
}

# The golden files' suffix for this scale.
scaled() { awk -v p="$pct" 'BEGIN { print p == 100 ? "" : "@" p / 100 "x" }'; }

# An open list's chosen row is written dark on its pale selection.
on_list() {
    local X Y x y w h
    eval "$(xdotool mousemove --window "$win" 0 0 getmouselocation --shell | grep '^[XY]=')"
    read -r x y w h < <(place "$1")
    local row="$((150 * pct / 100))x$((12 * pct / 100))+$((X + (x + 10) * pct / 100))+$((Y + (y + h + 10) * pct / 100))"
    import -window root -crop "$row" -colorspace gray -format '%[fx:minima < 0.3]' info: | grep -qx 1 ||
        fail "unreadable at ${pct}%: $1"
}

# The chosen option's dotted focus rectangle, whole: the ink right of its circle is framed on both sides.
# An option may have widened to its caption: up to 6 pixels, short of the next control. Scaled, the
# rectangle keeps a pixel clear of the circle.
on_answer() {
    [[ $1 != cmb* ]] || return 0
    local x y w h sides clear=$((pct == 100 ? 13 : 14))
    read -r x y w h < <(place "$1")
    import -window "$win" "$shot"
    sides=$(convert "$shot" -crop "$(box $((x + 8 + clear)) $((y + 8)) $((w - clear + 6)) "$h")" +repage \
        -colorspace gray -negate -threshold 40% -trim +repage \
        \( +clone -crop 1x+0+0 \) \( -clone 0 -gravity east -crop 1x+0+0 \) \
        -delete 0 -format '%[fx:mean > 0.3]' info: | tr -d '\n')
    [[ $sides == 11 ]] || fail "focus rectangle at ${pct}%: $1 ($sides)"
}

# The warning that comes as the first name box is emptied: one line, as wide and as high as the face
# draws it on Linux at this scale (a pixel or two either way), so no letter is lost or out of step.
warned=
warning() {
    xdotool type x && key BackSpace
    local box
    for _ in $(seq 50); do
        box=$(xdotool search --onlyvisible --name '^Kwindel$' 2>/dev/null | grep -vx "$win" | head -1) && break
        sleep 0.2
    done
    [[ -n $box ]] || fail "no warning at ${pct}%"
    sleep 0.5
    import -window "$box" "$KWINDEL_JOBS/warning-$pct.png"
    key Return
    wait_for "! xdotool search --onlyvisible --name '^Kwindel$' | grep -qvx $win"
    local drawn expected
    drawn=$(text_line "$KWINDEL_JOBS/warning-$pct.png") expected=$(text_line "$golden/message$(scaled).png")
    echo "warning at ${pct}%: $drawn, on Linux $expected" >&2
    near "$drawn" "$expected" 2 || fail "warning at ${pct}%: its line is ${drawn/ /x}, on Linux ${expected/ /x}"
}

# The first line of ink in an image: its width and height.
text_line() {
    local rows first
    rows=$(ink_rows "" "$1")
    rows=${rows%%10*}1 first=${rows%%1*}
    ink_box "$(identify -format %w "$1")x$((${#rows} - ${#first}))+0+${#first}" "$1"
}

# --- One user ------------------------------------------------------------------------

# User K through the quiz at the scale in percent; the saved page (or, for user 1, the printed sheet) checked.
play() {
    local k=$1
    pct=${2:-100}
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * pct / 100)) /f >/dev/null
    warned=
    (cd "$dir" && wine kwindel.exe; echo $? >"$dir/status") &
    win=$(window '^Kwindel$')
    xdotool windowactivate --sync "$win"
    answer_quiz "$k"
    if ((k == 1)); then check_printed; else check_saved "$k"; fi
    ((k == 1)) || check_info_window
    click cmdEnd
    wait_for "[[ \$(cat '$dir/status') == 0 ]]"
    rm "$dir/status"
}

# The saved page, byte for byte as on Linux, handed to the shell.
check_saved() {
    click cmdSave
    wait_for "grep -q Kwindel.htm $KWINDEL_OPENED"
    rm "$KWINDEL_OPENED"
    golden_page "$1" | cmp - "$dir/Kwindel.htm" || fail "page of user $1 at ${pct}%"
}

# The printed words by lines: where each line starts and, after the first, how far from evenly spaced (the
# stand-in face has a line height of its own), then its words. A letter from another face may sit a little
# higher or lower, and touching pieces make one word.
printed_lines() {
    awk -F'"' '
        { split($9, w, "[<>]") }
        n && ($4 - y) ^ 2 < 9 { printf "%s%s", $2 - x < 1 ? "" : " ", w[2]; x = $6; next }
        {
            y = $4; x = $6; top = n++ ? top : y; step = n == 2 ? y - top : step
            d = n == 1 ? y : y - top - (n - 1) * step
            printf "\n%d %d %s", $2 + 0.5, d < 0 ? -int(0.5 - d) : int(d + 0.5), w[2]
        }'
}

# Lines the same but for a point either way (pdf fonts round their boxes); a failure shows both sides.
same_lines() {
    local expected=$KWINDEL_JOBS/lines-expected printed=$KWINDEL_JOBS/lines-printed
    printed_lines <"$1" >"$expected"
    printed_lines <"$2" >"$printed"
    paste -d'|' "$expected" "$printed" | awk -F'|' '
        {
            split($1, a, " "); split($2, b, " ")
            words_a = substr($1, length(a[1] a[2]) + 2); words_b = substr($2, length(b[1] b[2]) + 2)
            if ((a[1] - b[1]) ^ 2 > 1 || (a[2] - b[2]) ^ 2 > 1 || words_a != words_b) bad = 1
        }
        END { exit bad + (NR < 10) }' || { diff "$expected" "$printed"; false; }
}

# The printed sheet: lines where they are on Linux, from the printable area.
check_printed() {
    click cmdprint
    wait_for "ls $KWINDEL_JOBS/*.ps"
    ps2pdf "$KWINDEL_JOBS"/*.ps "$KWINDEL_JOBS/sheet.pdf"
    pdftotext -bbox "$KWINDEL_JOBS/sheet.pdf" - | grep '<word ' >"$KWINDEL_JOBS/words"
    same_lines <(grep '<word ' "$golden/printed-words.txt") "$KWINDEL_JOBS/words" || fail "printed"
}

# The info window, layered with alpha 200 as user32 has it; Wine draws its frame inside the X window, so
# "Back" is clicked from where the helper says its client area starts (in device pixels).
check_info_window() {
    click cmdInfo 0
    wait_for "[[ \$(wine '$layered' | tr -d '\r') == '80000 200 '* ]]"
    local main=$win dx dy
    win=$(window '^Info')
    import -window "$win" "$KWINDEL_JOBS/info-$pct.png"
    read -r _ _ dx dy < <(wine "$layered" | tr -d '\r')
    click cmdback $((dx * 100 / pct)) $((dy * 100 / pct))
    win=$main
}

# --- The installer -------------------------------------------------------------------

# Installed silently: files, shortcut, the Apps entry, and the version record and icon linked into the
# program as reviewed.
install_silently() {
    wine "$setup" /S && wineserver -w
    local entry
    entry=$(wine reg query "$uninstall_key" | tr -d '\r')
    [[ -f $dir/kwindel.exe && -f $dir/kwindel_print.dll && -f $link && $entry == *DisplayIcon* &&
        $entry == *'DisplayName    REG_SZ    Kwindel'*'DisplayVersion    REG_SZ    1.0.0'* &&
        $entry == *'Publisher    REG_SZ    Vexlo'* ]] ||
        fail "installed: $(ls "$dir") $entry"
    x86_64-w64-mingw32-windres -i "$dir/kwindel.exe" -O rc | diff "$golden/kwindel-resources.rc" - || fail "resources"
}

# What is installed, as names and checksums.
installed() { (cd "$dir" && find . -type f -exec md5sum {} + | sort) && wine reg query "$uninstall_key" | tr -d '\r'; }

# Beside a running Kwindel, installing again and uninstalling change nothing: silently they end with exit
# code 2; interactively the installer asks, in Dutch, to close Kwindel, and goes on once it is closed.
beside_running() {
    (cd "$dir" && wine kwindel.exe) &
    win=$(window '^Kwindel$')
    local before status=0
    before=$(installed)
    wine "$setup" /S || status=$?
    ((status == 2)) || fail "installed beside a running Kwindel: exit code $status"
    status=0
    wine "$dir/uninstall.exe" /S "_?=$(winepath -w "$dir")" || status=$?
    ((status == 2)) || fail "uninstalled beside a running Kwindel: exit code $status"
    [[ $(installed) == "$before" ]] || fail "changed beside a running Kwindel"
    LC_ALL=nl_NL.UTF-8 wine "$setup" &
    local question
    question=$(window '^Kwindel-installatie$')
    import -window "$question" "$KWINDEL_JOBS/running.png"
    xdotool windowactivate --sync "$win" key alt+F4
    xdotool windowactivate --sync "$question" key Return # "Opnieuw"
    wait_for "[[ '$dir/uninstall.exe' -nt '$KWINDEL_JOBS/running.png' ]]"
    wineserver -k
    wineserver -w
}

# Uninstalled silently: nothing is left but the page the user saved.
uninstall_silently() {
    wine "$dir/uninstall.exe" /S && wineserver -w
    [[ (! -e $dir || $(ls "$dir") == Kwindel.htm) && ! -e $link ]] && ! wine reg query "$uninstall_key" >/dev/null 2>&1 ||
        fail "left after uninstall: $(ls "$dir")"
}

# --- The run -------------------------------------------------------------------------

check_prerequisites
install_silently
map_keys
# Every scale Windows offers, from 100 to 200 %: users 4 and 9 save and open the info window, user 1
# prints.
for run in ${KWINDEL_WINE_USERS-4:100 1:100 9:125 4:150 9:175 4:200}; do
    play "${run%:*}" "${run#*:}"
done
beside_running
uninstall_silently
