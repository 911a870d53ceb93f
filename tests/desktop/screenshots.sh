#!/usr/bin/env bash
# Writes the docs pictures of Kelvon's tray icon, menu and windows, taken on a private X server.
# Usage: screenshots.sh [/path/to/kelvon] [output dir] [language]
#   (defaults: build/kelvon, docs/, English). In another language (de, ja, ar, ...) the pictures
#   are named after it, clock-de.png, and the menu is walked with the arrow keys, whose order
#   no translation changes.
# shellcheck disable=SC2015
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
REPO=$(cd "$HERE/../.." && pwd)
# shellcheck source=desktop_test.sh
source "$HERE/desktop_test.sh"

KELVON=$(readlink -f "${1:-$REPO/build/kelvon}")
LANGUAGE_SHOWN=${3:-}
SUFFIX=${LANGUAGE_SHOWN:+-$LANGUAGE_SHOWN}
export LANGUAGE=${LANGUAGE_SHOWN:-en}
OUT=$(mkdir -p "${2:-$REPO/docs}" && cd "${2:-$REPO/docs}" && pwd)
[[ -x $KELVON ]] || { echo "no kelvon at $KELVON" >&2; exit 2; }
for tool in Xvfb openbox trayer xdotool wmctrl xwininfo xprop import convert; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 2; }
done

trap cleanup EXIT
trap 'exit 130' INT TERM HUP
die() { echo "screenshots: $*" >&2; exit 1; }

make_tmp
start_xvfb && start_openbox && start_trayer || die "could not set up the desktop"
mkdir "$TMP_ROOT/run"
start_kelvon "$TMP_ROOT/run" "$TMP_ROOT/run.err"
wait_ms 5000 find_icon || die "the tray icon did not appear"
# Let the start-up timer finish so titles and the data file are settled.
sleep 1.5

# crop NAME X Y W H [convert options...]: a part of the screen as it is now.
crop() {
    local name=$1 x=$2 y=$3 w=$4 h=$5
    shift 5
    ((x < 0)) && { w=$((w + x)); x=0; }
    ((y < 0)) && { h=$((h + y)); y=0; }
    bounded import -window root "$TMP_ROOT/screen.png" || die "screen capture failed"
    name=${name%.png}$SUFFIX.png
    convert "$TMP_ROOT/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$@" "$OUT/$name" ||
        die "could not write $name"
    echo "wrote $OUT/$name (${w}x${h}${*:+, $*})"
}

# menu_item KEY N: the tray menu's item by its letter in English, by its place otherwise.
menu_item() {
    if [[ -z $LANGUAGE_SHOWN ]]; then
        bounded xdotool key "$1"
    else
        local keys=()
        for ((i = 0; i < $2; i++)); do keys+=(Down); done
        bounded xdotool key "${keys[@]}" Return
    fi
}

# find_window TITLE: the window of that English title; in another language, the one shown.
find_window() {
    if [[ -z $LANGUAGE_SHOWN ]]; then
        find_named "$1"
    else
        local w
        NAMED=""
        for w in $(kelvon_windows); do
            [[ $w == "${ICON:-}" ]] && continue
            viewable "$w" && [[ $W_OR == no ]] || continue
            NAMED=$w
            return 0
        done
        return 1
    fi
}

crop_window() { # crop_window NAME ID: the window with its frame
    frame_geometry "$2" || die "window $2 vanished"
    crop "$1" "$F_X" "$F_Y" "$F_W" "$F_H"
}

# The panel, not just the icon, so the picture shows where it sits.
PANEL=""
for w in $(trayer_windows); do
    viewable "$w" && ((W_W > 20)) && { PANEL=$w; break; }
done
[[ -n $PANEL ]] || die "no trayer panel"
win_info "$PANEL"
PX=$W_X PY=$W_Y PW=$W_W PH=$W_H
# Away from the icon, so no tool tip is in the picture.
bounded xdotool mousemove 500 500
sleep 1
crop tray-icon.png "$PX" "$PY" "$PW" "$PH" -scale 400%

open_menu || die "the tray menu did not open"
sleep 0.5
win_info "$MENU"
# Menu and panel together, with a small margin.
M=6
L=$((W_X < PX ? W_X : PX)) TOP=$((W_Y < PY ? W_Y : PY))
R=$((W_X + W_W > PX + PW ? W_X + W_W : PX + PW)) B=$((W_Y + W_H > PY + PH ? W_Y + W_H : PY + PH))
L=$((L - M)) TOP=$((TOP - M))
R=$((R + M > 1024 ? 1024 : R + M)) B=$((B + M))
crop tray-menu.png "$L" "$TOP" $((R - L)) $((B - TOP))

# About only opens while the clock window is hidden, so it comes before the clock.
menu_item a 4
wait_ms 3000 find_window "About Kelvon" || die "About Kelvon did not open"
sleep 0.5
crop_window about.png "$NAMED"
key_to "$NAMED" Escape
wait_ms 3000 eval "! viewable $NAMED" || die "About Kelvon did not close"

click_at "$ICON_CX" "$ICON_CY" 1
wait_ms 3000 find_clock || die "the clock window did not open"
bounded xdotool mousemove 500 700
sleep 1.2
crop_window clock.png "$CLOCK"
bounded wmctrl -i -c "$CLOCK"
wait_ms 3000 eval "! viewable $CLOCK" || die "the clock window did not close"

open_menu || die "the tray menu did not open again"
menu_item s 2
wait_ms 3000 find_window "Kelvon Reminders" || die "the editor did not open"
EDITOR=$NAMED
sleep 0.5
win_info "$EDITOR"
# First row's message box: the wide column left of centre (right of it, right to left), just
# under the headings.
COLUMN=$((W_W / 3))
[[ $LANGUAGE_SHOWN == ar ]] && COLUMN=$((W_W * 2 / 3))
click_at $((W_X + COLUMN)) $((W_Y + 25)) 1
sleep 0.3
case $LANGUAGE_SHOWN in
de) SAMPLE="Zahnarzt um 14:30" ;;
ja) SAMPLE="14:30 歯医者" ;;
ar) SAMPLE="طبيب الأسنان 14:30" ;;
*) SAMPLE="Dentist at 2:30" ;;
esac
bounded xdotool type --delay 40 "$SAMPLE"
bounded xdotool mousemove 500 700
sleep 0.5
crop_window editor.png "$EDITOR"

# Only OK closes the editor; the sample then shows up as an alert, which Exit closes too.
key_to "$EDITOR" Return
wait_ms 3000 eval "! viewable $EDITOR" || die "the editor did not close"
# The alert maps a moment later and would take the keys meant for the menu.
sleep 1.5
for _ in 1 2 3; do
    open_menu && menu_item e 5
    wait_exit "$KELVON_PID" 3000 && exit 0
done
echo "screenshots: Kelvon did not exit from its menu" >&2
