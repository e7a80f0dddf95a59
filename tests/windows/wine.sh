#!/usr/bin/env bash
# The Windows program under Wine, as its installer leaves it:
#   wine.sh SETUP.EXE LAYERED.EXE LATER-SETUP.EXE LATER-FOLDER PORTABLE.ZIP
# (scripts/windows.sh prepares Wine, X with openbox and a CUPS queue of its own).
# Users go through the quiz with clicks and keys at each scale Windows offers;
# their saved pages and the printed sheet are those of the Linux golden files.
# The installer and the uninstaller meet a running Kwindel; a later version
# (LATER-FOLDER, one file short) is installed over it; the zip runs unpacked.
set -euo pipefail
source "$(dirname "$0")/../support/quiz.sh"
setup=$1 layered=$2 later=$3 later_folder=$4 portable=$5
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

# A box of the window at scale 1, in the screenshot at this scale: W H X Y for -crop.
box() {
    local x=$1 y=$2 w=$3 h=$4 top bottom
    top=$(((y * pct + 99) / 100)) bottom=$(((y + h) * pct / 100 - 1))
    echo "$((w * pct / 100))x$((bottom - top + 1))+$((x * pct / 100))+$top"
}

# The ink in a box of an image, once: its width, height and the checksum of its bitmap. With FRAMED, only
# what is inside a focus rectangle that frames it: a rectangle drawn over a letter hides that letter's edge.
# Ink is what is darker than $darkness percent, 40 unless set: letters, not the frames' grey lines.
ink() {
    local bitmap=$KWINDEL_JOBS/ink.pbm
    convert "$2" -crop "$1" +repage -colorspace gray -negate -threshold "${darkness:-40}%" -trim +repage \
        $([[ -z ${3:-} || $(framed "$1" "$2") != 1111 ]] || echo -shave 1x1 -trim +repage) "$bitmap"
    echo "$(identify -format '%w %h' "$bitmap") $(md5sum <"$bitmap" | cut -d' ' -f1)"
}
# Whether the ink's outer lines, left, right, top and bottom, are lines: 1 for each at least a third ink.
framed() {
    convert "$2" -crop "$1" +repage -colorspace gray -negate -threshold 40% -trim +repage \
        \( +clone -crop 1x+0+0 \) \( -clone 0 -gravity east -crop 1x+0+0 \) \
        \( -clone 0 -gravity north -crop x1+0+0 \) \( -clone 0 -gravity south -crop x1+0+0 \) \
        -delete 0 -format '%[fx:mean > 0.3]' info: | tr -d '\n'
}

# The golden files' suffix for this scale.
scaled() { awk -v p="$pct" 'BEGIN { print p == 100 ? "" : "@" p / 100 "x" }'; }

# A box of the screenshot drawn as Linux draws it, where the golden image NAME shows the same. Up to
# 150 % both draw MS Sans Serif's strikes: the same ink, pixel for pixel. Above, each rasterizes the
# outline stand-in: as wide and as high, within two pixels and 2 %. A cut, lost or spread letter fails.
# With LINES, only as high: Windows at 120 dots an inch has no strike of the designed size, so its own
# strike sets where lines break.
same_ink() {
    local area=$1 golden_image=$golden/$2$(scaled).png what=$3 lines=${4:-} drawn expected
    drawn=$(ink "$area" "$shot" framed) expected=$(ink "$area" "$golden_image")
    echo "$what at ${pct}%: ${drawn% *}, on Linux ${expected% *}" >&2
    if ((pct <= 150)) && [[ -z $lines ]]; then
        [[ $drawn == "$expected" ]]
    else
        awk -v a="$drawn" -v b="$expected" -v lines="$lines" -v d=$((pct > 150 ? 2 : 0)) 'BEGIN {
            split(a, x); split(b, y)
            exit (x[1] - y[1]) ^ 2 > (d + y[1] / 50) ^ 2 && !lines || (x[2] - y[2]) ^ 2 > (d + d * y[2] / 100) ^ 2
        }'
    fi || fail "$what at ${pct}%: its ink is ${drawn% *}, on Linux ${expected% *} ($shot)"
}

# A choice page as drawn: its frame's caption, its question, down to where its first option starts, and
# each option's caption, past its circle. The page's golden image stays for its answer.
on_page() {
    local control=$1 count=$2 label below i x y w h
    read -r page label below < <(awk -v c="$control" '/^Frame/ { f = $1; getline; q = $1; getline; split($2, p, ",") }
        $1 ~ "^" c { gsub(/[^0-9]/, "", f); print "form1-page" f + 1, q, p[2]; exit }' "$golden/places.txt")
    shot=$KWINDEL_JOBS/$control-$pct.png # kept, to be looked at
    import -window "$win" "$shot"
    # The frame's caption in the gap of its top line, as wide as the caption.
    darkness=25 same_ink "$(box 8 8 209 13)" "$page" "frame"
    read -r x y w h < <(place "$label")
    same_ink "$(box $((x + 8)) $((y + 8)) "$w" $((below < y + h ? below - y : h)))" "$page" "$label" lines
    for ((i = 0; i < count; i++)); do
        [[ $control == cmb* ]] && break
        same_ink "$(caption "$control($i)")" "$page" "$control($i)"
    done
}

# A typed name, where the golden pages hold the same one (user 9's first, user 4's second). Focus leaves the
# box first, and with it the caret.
declare -A golden_names=([txtAGeslacht]="René Müller" [txtNaam]="Noël")
on_name() {
    local x y w h page=form1-page10
    # Where the name boxes are drawn by the program: a triple click selects the whole name, and the name
    # typed again replaces it (the saved page holds it once).
    if ((pct == 125 || pct == 150)); then
        read -r x y w h < <(place "$1")
        xdotool mousemove --window "$win" $(((x + 8 + w / 3) * pct / 100)) $(((y + 8 + h / 2) * pct / 100)) \
            click --repeat 3 --delay 80 1 sleep 0.3
        wm_seen
        enter "$2"
    fi
    [[ ${golden_names[$1]} == "$2" ]] || return 0
    [[ $1 == txtNaam ]] && page=form1-page11
    key Tab && sleep 0.3
    shot=$KWINDEL_JOBS/$1-$pct.png
    import -window "$win" "$shot"
    read -r x y w h < <(place "$1")
    same_ink "$(box $((x + 10)) $((y + 11)) $((w - 4)) $((h - 6)))" "$page" "$1"
}

# An open list's chosen row is written dark on its pale selection.
on_list() {
    local X Y x y w h
    eval "$(xdotool mousemove --window "$win" 0 0 getmouselocation --shell | grep '^[XY]=')"
    read -r x y w h < <(place "$1")
    local row="$((150 * pct / 100))x$((12 * pct / 100))+$((X + (x + 10) * pct / 100))+$((Y + (y + h + 10) * pct / 100))"
    import -window root -crop "$row" -colorspace gray -format '%[fx:minima < 0.3]' info: | grep -qx 1 ||
        fail "unreadable at ${pct}%: $1"
}

# An option's caption with room for its focus rectangle: from the first whole pixel past its circle, and
# EXTRA pixels to the right.
caption() {
    local x y w h area
    read -r x y w h < <(place "$1")
    area=$(box $((x + 8 + 13)) $((y + 8)) $((w - 13 + ${2:-0})) "$h")
    echo "${area%%+*}+$((((x + 8 + 13) * pct + 99) / 100))+${area##*+}"
}

# The chosen option's dotted focus rectangle, whole (framing its caption on both sides) and over no letter.
# An option may have widened to its caption: up to 6 pixels, short of the next control.
on_answer() {
    [[ $1 != cmb* ]] || return 0
    import -window "$win" "$shot"
    [[ $(framed "$(caption "$1" 6)" "$shot") == 1111 ]] || fail "focus rectangle at ${pct}%: $1"
    same_ink "$(caption "$1" 6)" "$page" "$1, chosen"
}

# The warning that comes as the first name box is emptied: its line, in the box's upper half, as Linux
# draws it.
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
    shot=$KWINDEL_JOBS/warning-$pct.png
    import -window "$box" "$shot"
    key Return
    wait_for "! xdotool search --onlyvisible --name '^Kwindel$' | grep -qvx $win"
    same_ink "$(identify -format '%wx%[fx:int(h / 2)]+0+0' "$golden/message$(scaled).png")" message warning
}

# --- One user ------------------------------------------------------------------------

# User K through the quiz at the scale in percent; the saved page (or, for user 1, the printed sheet) checked.
play() {
    local k=$1
    pct=${2:-100} warned=
    start_kwindel "$dir" kwindel.exe
    answer_quiz "$k"
    if ((k == 1)); then check_printed; else check_saved "$k"; fi
    ((k == 1)) || check_info_window
    end_kwindel
}

# Kwindel started in FOLDER as PROGRAM at $pct percent, its window active; and ended by its button, with
# status 0.
start_kwindel() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * pct / 100)) /f >/dev/null
    (cd "$1" && wine "$2"; echo $? >"$KWINDEL_JOBS/status") &
    win=$(window '^Kwindel$')
    xdotool windowactivate --sync "$win"
}
end_kwindel() {
    click cmdEnd
    wait_for "[[ \$(cat '$KWINDEL_JOBS/status') == 0 ]]"
    rm "$KWINDEL_JOBS/status"
}

# The page saved in FOLDER (the installed one unless given), byte for byte as on Linux, handed to the shell.
check_saved() {
    rm -f "$KWINDEL_OPENED"
    click cmdSave
    wait_for "grep -q Kwindel.htm $KWINDEL_OPENED"
    golden_page "$1" | cmp - "${2:-$dir}/Kwindel.htm" || fail "page of user $1 at ${pct}% in ${2:-$dir}"
}

# The printed words run together, after where the first one lies: X Y WORDS.
sheet() {
    awk -F'"' '{ split($9, w, "[<>]"); words = words w[2] } NR == 1 { x = $2; y = $4 } END { print x, y, words }'
}

# The printed sheet: Linux's words in Linux's order, the first a point at most from where it is on Linux,
# counted from the printable area (the stand-in face sets the rest a little apart).
check_printed() {
    click cmdprint
    wait_for "ls $KWINDEL_JOBS/*.ps"
    ps2pdf "$KWINDEL_JOBS"/*.ps "$KWINDEL_JOBS/sheet.pdf"
    local x y words gx gy gwords
    read -r x y words < <(pdftotext -bbox "$KWINDEL_JOBS/sheet.pdf" - | grep '<word ' | sheet)
    read -r gx gy gwords < <(grep '<word ' "$golden/printed-words.txt" | sheet)
    [[ $words == "$gwords" ]] && awk -v a="$x $y" -v b="$gx $gy" 'BEGIN {
        split(a, p); split(b, q); exit (p[1] - q[1]) ^ 2 > 1 || (p[2] - q[2]) ^ 2 > 1
    }' || fail "printed at $x,$y: $words; on Linux at $gx,$gy: $gwords"
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

version_of() { sed -n 's/.*-\([0-9.]*\)-win64-setup\.exe$/\1/p' <<<"$1"; }

# The Apps entry: its name, VERSION and publisher, with the program's icon.
entry_of() {
    local entry
    entry=$(wine reg query "$uninstall_key" | tr -d '\r')
    [[ $entry == *DisplayIcon* && $entry == *'DisplayName    REG_SZ    Kwindel'*"DisplayVersion    REG_SZ    $1"* &&
        $entry == *'Publisher    REG_SZ    Vexlo'* ]] || fail "the Apps entry for version $1: $entry"
}

# Installed silently: files, shortcut, the Apps entry, and the version record and icon linked into the
# program as reviewed.
install_silently() {
    wine "$setup" /S && wineserver -w
    [[ -f $dir/kwindel.exe && -f $dir/kwindel_print.dll && -f $link ]] || fail "installed: $(ls "$dir")"
    entry_of "$(version_of "$setup")"
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
    # The later version asks as well; "Annuleren" leaves the installed one as it was.
    local question
    status=0
    (LC_ALL=nl_NL.UTF-8 wine "$later" || echo $? >"$KWINDEL_JOBS/later-status") &
    question=$(window '^Kwindel-installatie$')
    xdotool windowactivate --sync "$question" key Escape
    wait_for "[[ -s $KWINDEL_JOBS/later-status ]]"
    [[ $(cat "$KWINDEL_JOBS/later-status") == 2 ]] || fail "the later version, cancelled: exit code $(cat "$KWINDEL_JOBS/later-status")"
    [[ $(installed) == "$before" ]] || fail "changed beside a running Kwindel"
    LC_ALL=nl_NL.UTF-8 wine "$setup" &
    question=$(window '^Kwindel-installatie$')
    import -window "$question" "$KWINDEL_JOBS/running.png"
    xdotool windowactivate --sync "$win" key alt+F4
    xdotool windowactivate --sync "$question" key Return # "Opnieuw"
    wait_for "[[ '$dir/uninstall.exe' -nt '$KWINDEL_JOBS/running.png' ]]"
    wineserver -k
    wineserver -w
}

# The later version over this one, with the user's page: the Apps entry shows it, the page is untouched,
# and what is installed is the later version's files, so the file only this version had is gone.
upgrade() {
    cp "$dir/Kwindel.htm" "$KWINDEL_JOBS/page.htm"
    local gone
    gone=$(comm -23 <(cd "$dir" && find . -type f | sort) <(cd "$later_folder" && find . -type f | sort) |
        grep -vx -e ./Kwindel.htm -e ./uninstall.exe)
    [[ -n $gone ]] || fail "the later version lacks no file of this one"
    wine "$later" /S && wineserver -w
    entry_of "$(version_of "$later")"
    cmp "$KWINDEL_JOBS/page.htm" "$dir/Kwindel.htm" || fail "the page changed in the upgrade"
    diff <(cd "$dir" && find . | sort) <(cd "$later_folder" && { find .; printf '%s\n' ./Kwindel.htm ./uninstall.exe; } | sort) >&2 ||
        fail "after the upgrade: not the later version's files (was: $gone)"
    [[ -f $link ]] || fail "no shortcut after the upgrade"
}

# Uninstalled silently: nothing is left but the page the user saved.
uninstall_silently() {
    wine "$dir/uninstall.exe" /S && wineserver -w
    [[ (! -e $dir || $(ls "$dir") == Kwindel.htm) && ! -e $link ]] &&
        ! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "left after uninstall: $(ls "$dir")"
}

# --- The portable zip ----------------------------------------------------------------

# Unpacked on a stick (drive E:) into a folder whose name has a space and an "ë", the program runs from
# there, started from elsewhere: it saves its page there and opens it, and installs nothing.
portable() {
    local stick=$KWINDEL_JOBS/stick folder
    mkdir -p "$stick" && ln -sfn "$stick" "$WINEPREFIX/dosdevices/e:"
    unzip -q "$portable" -d "$stick" && mv "$stick/Kwindel" "$stick/Kwindel van Zoë"
    folder="$stick/Kwindel van Zoë"
    touch "$KWINDEL_JOBS/unpacked"
    pct=100 warned=1
    start_kwindel "$HOME" 'E:\Kwindel van Zoë\kwindel.exe'
    (unset -f on_page on_list on_answer on_name && answer_quiz 4)
    check_saved 4 "$folder"
    grep -qx "file://$WINEPREFIX/dosdevices/e:/Kwindel%20van%20Zo%C3%AB/Kwindel.htm" "$KWINDEL_OPENED" ||
        fail "opened: $(cat "$KWINDEL_OPENED")"
    end_kwindel
    ! wine reg query "$uninstall_key" >/dev/null 2>&1 && [[ ! -e $link ]] &&
        [[ -z $(find "$WINEPREFIX/drive_c" -newer "$KWINDEL_JOBS/unpacked" -type f) ]] ||
        fail "the portable program left files in C: or installed itself"
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
upgrade
uninstall_silently
portable
