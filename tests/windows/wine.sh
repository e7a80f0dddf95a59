#!/usr/bin/env bash
# The Windows program under Wine, as its installer leaves it: wine.sh SETUP.EXE LAYERED.EXE
# (scripts/windows.sh prepares Wine, X with openbox and a CUPS queue of its own).
# Three users answer every page with clicks and keys; their saved pages and
# the printed sheet are those of the Linux golden files.
set -euo pipefail
export LC_ALL=C.UTF-8
golden=$(cd "$(dirname "$0")/../golden" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
wait_for() { for _ in $(seq 100); do eval "$1" >/dev/null 2>&1 && return; sleep 0.2; done; fail "never: $1"; }
home=$WINEPREFIX/drive_c/users/$(id -un)
dir=$home/AppData/Local/Programs/Kwindel
link="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Kwindel.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kwindel'
wine "$1" /S && wineserver -w
[[ -f $dir/kwindel.exe && -f $dir/kwindel_print.dll && -f $link ]] || fail "not installed: $(ls "$dir")"
entry=$(wine reg query "$key" | tr -d '\r')
for value in 'DisplayName    REG_SZ    Kwindel' 'DisplayVersion    REG_SZ    1.0.0' 'Publisher    REG_SZ    Vexlo' 'DisplayIcon'; do
    [[ $entry == *"$value"* ]] || fail "uninstall entry: $entry"
done

# A control's centre in its window, from the layout's golden file; page controls lie in a frame at 8,8.
click() {
    xdotool mousemove --window "$1" $(awk -v n="$2" -v d="${3:-8}" '$1 == n {split($2, p, ","); split($3, s, "x")
        print p[1] + int(s[1] / 2) + d, p[2] + int(s[2] / 2) + d; exit}' "$golden/places.txt") click 1
    sleep 0.3
}
other=([1]="de buurjongen" [4]="😀" [9]="René Müller")
own=([1]="Zoë" [4]="Noël" [9]="Łódź")
# Keys of their own for the letters beyond ASCII: keys that xdotool maps while typing reach Wine too late.
free=($(xmodmap -pke | awk 'NF == 3 {print $2}')) i=0
for c in $(grep -o '[^ -~]' <<<"${other[*]}${own[*]}" | sort -u); do xmodmap -e "keycode ${free[i++]} = $(printf 'U%04X' "'$c")"; done
for k in 4 9 1; do
    (cd "$dir" && wine kwindel.exe; echo $? >"$dir/status") &
    win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kwindel$' | head -1)
    xdotool windowactivate --sync "$win"
    for page in optHkleur:2 optDFeest:4 optKleur:4 optHobby:3 optWinkel:2 cmbStad:3 optStrand:2 cmbMonth:12 optThuis:2; do
        name=${page%:*} n=$((k % ${page#*:}))
        if [[ $name == cmb* ]]; then
            click "$win" "$name" && xdotool key --delay 100 $(printf 'Down %.0s' $(seq $n)) Return
        else
            click "$win" "$name($n)"
        fi
        click "$win" "cmdPrevNext(0)" 0
    done
    for box in txtAGeslacht:"${other[k]}" txtNaam:"${own[k]}"; do
        click "$win" "${box%%:*}" && xdotool type --delay 100 "${box#*:}" && click "$win" "cmdPrevNext(0)" 0
    done
    if ((k == 1)); then # the printed sheet: words where they are on Linux, from the printable area
        click "$win" cmdprint && wait_for "ls $KWINDEL_JOBS/*.ps"
        ps2pdf "$(ls "$KWINDEL_JOBS"/*.ps)" "$KWINDEL_JOBS/sheet.pdf"
        pdftotext -bbox "$KWINDEL_JOBS/sheet.pdf" - | grep '<word ' >"$KWINDEL_JOBS/words"
        # The stand-in face has a line height of its own: lines start where the golden ones do, evenly spaced.
        awk -F'"' 'FNR == 1 {line = 0; y = ""} {split($9, w, "[<>]"); f = FILENAME == ARGV[1]; text[f] = text[f] " " w[2]}
                   $4 != y {y = $4; at[f] = at[f] sprintf(" %.0f", $2); top[f] = ++line == 1 ? y : top[f]
                            step[f] = line == 2 ? y - top[f] : step[f]; bad += (y - top[f] - (line - 1) * step[f]) ^ 2 > 1}
                   END {if (bad || text[0] != text[1] || at[0] != at[1] || (top[0] - top[1]) ^ 2 > 1) {print text[0] at[0], top[0]; exit 1}}' \
            "$golden/printed-words.txt" "$KWINDEL_JOBS/words" || fail "printed words differ from the golden file"
    else # the saved page, byte for byte as on Linux, handed to the shell
        click "$win" cmdSave && wait_for "grep -q Kwindel.htm $KWINDEL_OPENED"
        sed -n "$((11 * k + 1)),$((11 * k + 11))p" "$golden/saved-pages.htm" | cmp - "$dir/Kwindel.htm" || fail "page $k"
        rm "$KWINDEL_OPENED"
    fi
    if ((k == 4)); then # the info window, layered with alpha 200 as user32 has it
        click "$win" cmdInfo 0
        wait_for "[[ \$(wine '$2' | tr -d '\r') == '80000 200' ]]"
        click "$(xdotool search --onlyvisible --name '^Info' | head -1)" cmdback 0
    fi
    click "$win" cmdEnd && wait_for "[[ \$(cat '$dir/status') == 0 ]]" && rm "$dir/status"
done

wine "$dir/uninstall.exe" /S && wineserver -w
[[ ! -e $dir && ! -e $link ]] && ! wine reg query "$key" >/dev/null 2>&1 || fail "left after uninstall: $(ls "$dir")"
echo "PASS"
