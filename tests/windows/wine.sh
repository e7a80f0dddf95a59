#!/usr/bin/env bash
# The Windows program under Wine, as its installer leaves it: wine.sh SETUP.EXE LAYERED.EXE
# (scripts/windows.sh prepares Wine, X with openbox and a CUPS queue of its own).
# Three users answer every page with clicks and keys; their saved pages and
# the printed sheet are those of the Linux golden files.
set -euo pipefail
golden=$(cd "$(dirname "$0")/../golden" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
# The printed sheet is compared in the faces it is drawn in on Windows: without them it is another sheet.
for face in "Humor Sans:fonts-humor-sans" "Tahoma:fonts-wine"; do
    [[ -n $(fc-list "${face%%:*}") ]] || fail "missing prerequisite: the face ${face%%:*} (package ${face#*:})"
done
# Wine makes and drops X windows while one maps, and a search that meets one fails: search again.
window() { for _ in $(seq 150); do xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep . && return; sleep 0.2; done
           fail "no window $1"; }
wait_for() { for _ in $(seq 100); do eval "$1" >/dev/null 2>&1 && return; sleep 0.2; done; fail "never: $1"; }
dir=$WINEPREFIX/drive_c/users/$(id -un)/AppData link="Roaming/Microsoft/Windows/Start Menu/Programs/Kwindel.lnk"
link=$dir/$link dir=$dir/Local/Programs/Kwindel
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kwindel'
wine "$1" /S && wineserver -w && entry=$(wine reg query "$key" | tr -d '\r')
[[ -f $dir/kwindel.exe && -f $dir/kwindel_print.dll && -f $link && $entry == *DisplayIcon*'DisplayName    REG_SZ    Kwindel'*'DisplayVersion    REG_SZ    1.0.0'*'Publisher    REG_SZ    Vexlo'* ]] ||
    fail "installed: $(ls "$dir") $entry"
# The version record and icon linked into the program are the reviewed ones.
x86_64-w64-mingw32-windres -i "$dir/kwindel.exe" -O rc | diff "$golden/kwindel-resources.rc" - || fail "resources"

# A control's place and size as the layout's golden file has them: x y w h.
place() { awk -v n="$1" '$1 == n {split($2, p, ","); split($3, s, "x"); print p[1], p[2], s[1], s[2]; exit}' "$golden/places.txt"; }
# A control's centre in its window, moved by DX [DY]: page controls lie in a frame at 8,8. All of it at the
# screen's scale, in percent.
pct=100
click() { local x y w h d=${3:-8} e=${4:-${3:-8}}; read -r x y w h < <(place "$2")
    xdotool mousemove --window "$1" $(((x + w / 2 + d) * pct / 100)) $(((y + h / 2 + e) * pct / 100)) click 1 sleep 0.3; }
# The printed words by lines: where each line starts and, after the first, how far from evenly spaced (the
# stand-in face has a line height of its own), then its words. A letter from another face may sit a little
# higher or lower, and touching pieces make one word.
lines() { awk -F'"' '{split($9, w, "[<>]")} n && ($4 - y) ^ 2 < 9 {printf "%s%s", $2 - x < 1 ? "" : " ", w[2]; x = $6; next}
                     {y = $4; x = $6; top = n++ ? top : y; step = n == 2 ? y - top : step; d = n == 1 ? y : y - top - (n - 1) * step
                      printf "\n%d %d %s", $2 + 0.5, d < 0 ? -int(0.5 - d) : int(d + 0.5), w[2]}'; }
# Lines the same but for a point either way (pdf fonts round their boxes); a failure shows both sides.
same_lines() { local a=$KWINDEL_JOBS/lines-expected b=$KWINDEL_JOBS/lines-printed
    lines <"$1" >"$a" && lines <"$2" >"$b"
    paste -d'|' "$a" "$b" | awk -F'|' '{split($1, a, " "); split($2, b, " ")
        if ((a[1] - b[1]) ^ 2 > 1 || (a[2] - b[2]) ^ 2 > 1 || substr($1, length(a[1] a[2]) + 2) != substr($2, length(b[1] b[2]) + 2)) bad = 1}
        END {exit bad + (NR < 10)}' || { diff "$a" "$b"; false; }; }
other=([1]="de buurjongen" [4]="😀" [9]="René Müller")
own=([1]="Zoë" [4]="Noël" [9]="Łódź")
# Keys of their own for the letters beyond ASCII: keys that xdotool maps while typing reach Wine too late.
free=($(xmodmap -pke | awk 'NF == 3 {print $2}')) i=0
for c in $(grep -o '[^ -~]' <<<"${other[*]}${own[*]}" | sort -u); do xmodmap -e "keycode ${free[i++]} = $(printf 'U%04X' "'$c")"; done
# No ink on the first and last rows of an option caption's box: no line of it is cut (Wine draws the
# interface in Windows' own MS Sans Serif).
whole() { local x y w h row; read -r x y w h < <(place "$2")
    for row in $((((y + 8) * pct + 99) / 100)) $(((y + 8 + h) * pct / 100 - 1)); do
        convert "$1" -crop "$(((w - 14) * pct / 100))x1+$(((x + 22) * pct / 100))+$row" -colorspace gray \
            -format '%[fx:minima > 0.5]' info: | grep -qx 1 || fail "cut: $2"
    done; }
# An open list's chosen row is written dark on its pale selection.
readable() { local X Y x y w h; eval "$(xdotool mousemove --window "$1" 0 0 getmouselocation --shell | grep '^[XY]=')"
    read -r x y w h < <(place "$2")
    import -window root -crop "150x12+$((X + x + 10))+$((Y + y + h + 10))" -colorspace gray -format '%[fx:minima < 0.3]' info: | grep -qx 1 ||
        fail "unreadable: $2"; }
# Names go in by keys; Wine's keyboard gives nothing beyond 16 bits, so an emoji is pasted.
enter() {
    local s=$1 c i
    for ((i = 0; i < ${#s}; i++)); do
        c=${s:i:1}
        if (($(printf %d "'$c") > 0xffff)); then printf %s "$c" | xclip -selection clipboard && xdotool key ctrl+v
        else xdotool type --delay 100 "$c"; fi
    done
}
# Last, one user at 120 dots an inch (scale 1.25), where Windows has only the larger strikes.
for run in ${KWINDEL_WINE_USERS-4 9 1 9:125}; do
    k=${run%:*}
    [[ $run != *:* ]] || { pct=${run#*:} && wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((96 * pct / 100)) /f; }
    (cd "$dir" && wine kwindel.exe; echo $? >"$dir/status") &
    win=$(window '^Kwindel$') && xdotool windowactivate --sync "$win"
    for page in optHkleur:2 optDFeest:4 optKleur:4 optHobby:3 optWinkel:2 cmbStad:3 optStrand:2 cmbMonth:12 optThuis:2; do
        name=${page%:*} n=$((k % ${page#*:}))
        sleep 0.3; [[ $k != 4 && $pct == 100 || $name == cmb* ]] || { import -window "$win" "$KWINDEL_JOBS/page.png"
            for i in $(seq 0 $((${page#*:} - 1))); do whole "$KWINDEL_JOBS/page.png" "$name($i)"; done; }
        click "$win" "$name$([[ $name == cmb* ]] || echo "($n)")" # a list opens: n down, then Return
        [[ $name != cmb* ]] || { ((k != 4)) || readable "$win" "$name"
            for _ in $(seq $n); do xdotool key Down sleep 0.1; done; xdotool key Return; }
        click "$win" "cmdPrevNext(0)" 0
    done
    for box in txtAGeslacht:"${other[k]}" txtNaam:"${own[k]}"; do
        click "$win" "${box%%:*}" && enter "${box#*:}" && click "$win" "cmdPrevNext(0)" 0
    done
    if ((k == 1)); then # the printed sheet: lines where they are on Linux, from the printable area
        click "$win" cmdprint && wait_for "ls $KWINDEL_JOBS/*.ps" && ps2pdf "$KWINDEL_JOBS"/*.ps "$KWINDEL_JOBS/sheet.pdf"
        pdftotext -bbox "$KWINDEL_JOBS/sheet.pdf" - | grep '<word ' >"$KWINDEL_JOBS/words"
        same_lines <(grep '<word ' "$golden/printed-words.txt") "$KWINDEL_JOBS/words" || fail "printed"
    else # the saved page, byte for byte as on Linux, handed to the shell
        click "$win" cmdSave && wait_for "grep -q Kwindel.htm $KWINDEL_OPENED" && rm "$KWINDEL_OPENED"
        sed -n "$((11 * k + 1)),$((11 * k + 11))p" "$golden/saved-pages.htm" | cmp - "$dir/Kwindel.htm" || fail "page $k"
    fi
    # the info window, layered with alpha 200 as user32 has it; Wine draws its frame inside the X window
    ((k != 4)) || { click "$win" cmdInfo 0 && wait_for "[[ \$(wine '$2' | tr -d '\r') == '80000 200 '* ]]"; }
    ((k != 4)) || click "$(window '^Info')" cmdback $(wine "$2" | tr -d '\r' | cut -d' ' -f3-)
    click "$win" cmdEnd && wait_for "[[ \$(cat '$dir/status') == 0 ]]" && rm "$dir/status"
done

wine "$dir/uninstall.exe" /S && wineserver -w
[[ ! -e $dir && ! -e $link ]] && ! wine reg query "$key" >/dev/null 2>&1 || fail "left after uninstall: $(ls "$dir")"
