#!/usr/bin/env bash
# Drives a real Kelvon through its tray icon on a private X server (Xvfb, openbox, trayer).
# Usage: desktop_test.sh /path/to/kelvon
# Set DESKTOP_TEST_SHOTS=<dir> to keep screenshots of the desktop at the interesting moments;
# KEEP_TMP=1 keeps the scratch folder (logs, Kelvo.dat).
# screenshots.sh sources this file for its helpers; everything after the guard is the test.
# Helpers hand results back in globals (W_*, F_*, ICON, MENU, ...).
# shellcheck disable=SC2034,SC2015,SC2016

set -u

# ---- helpers -----------------------------------------------------------------------------

now_ms() { date +%s%3N; }

# wait_ms MS CMD...: true as soon as CMD succeeds, false once MS have passed.
wait_ms() {
    local end=$(($(now_ms) + $1))
    shift
    while :; do
        "$@" && return 0
        (($(now_ms) >= end)) && return 1
        sleep 0.1
    done
}

# A wedged X server must not wedge the test.
bounded() { timeout 5 "$@"; }

STARTED=()
TMP_ROOT=""

# alive PID: running and not yet a zombie (some containers never reap orphans).
alive() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ -n $state && $state != Z ]]
}

# Reaped ids leave the list at once, so a recycled id is never signalled.
forget_pid() {
    local i
    for i in "${!STARTED[@]}"; do [[ ${STARTED[i]} == "$1" ]] && unset 'STARTED[i]'; done
    STARTED=("${STARTED[@]}")
}

# stop PID: TERM, then KILL if it lingers; only ever used on processes started here.
stop_pid() {
    local pid=$1 i known=""
    for i in "${STARTED[@]}"; do [[ $i == "$pid" ]] && known=1; done
    [[ -n $known ]] || return 0
    if alive "$pid"; then
        kill -TERM "$pid" 2>/dev/null
        wait_ms 3000 eval "! alive $pid" || kill -KILL "$pid" 2>/dev/null
        wait_ms 2000 eval "! alive $pid"
    fi
    wait "$pid" 2>/dev/null
    forget_pid "$pid"
    return 0
}

cleanup() {
    local i
    for ((i = ${#STARTED[@]} - 1; i >= 0; i--)); do
        stop_pid "${STARTED[i]}"
    done
    STARTED=()
    if [[ -n $TMP_ROOT && -d $TMP_ROOT ]]; then
        if [[ -n ${KEEP_TMP:-} ]]; then echo "# kept $TMP_ROOT" >&2; else rm -rf "$TMP_ROOT"; fi
    fi
}

make_tmp() {
    TMP_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/kelvon-desktop.XXXXXX") || exit 2
    chmod 700 "$TMP_ROOT"
    mkdir -m 700 "$TMP_ROOT/runtime" "$TMP_ROOT/home"
}

# Private server on a free display; -displayfd lets Xvfb pick the number itself, without races.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$TMP_ROOT/display" >"$TMP_ROOT/xvfb.log" 2>&1 &
    XVFB_PID=$!
    STARTED+=("$XVFB_PID")
    # If this script is killed outright, its clients die with the server; the server dies here.
    (
        trap - EXIT INT TERM HUP
        while kill -0 "$$" 2>/dev/null; do sleep 1; done
        kill "$XVFB_PID" 2>/dev/null
    ) &
    STARTED+=("$!")
    wait_ms 15000 test -s "$TMP_ROOT/display" || { echo "Xvfb did not start" >&2; return 1; }
    DISPLAY=":$(head -n1 "$TMP_ROOT/display")"
    export DISPLAY
    # The caller's session must not leak in: no Wayland, no D-Bus tray, no desktop theme.
    unset WAYLAND_DISPLAY XAUTHORITY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE DESKTOP_SESSION \
        QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    export XDG_RUNTIME_DIR="$TMP_ROOT/runtime"
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
    wait_ms 10000 eval 'bounded xwininfo -root >/dev/null 2>&1'
}

start_openbox() {
    HOME="$TMP_ROOT/home" XDG_CONFIG_HOME="$TMP_ROOT/home/.config" \
        openbox --sm-disable >"$TMP_ROOT/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    STARTED+=("$OPENBOX_PID")
    wait_ms 10000 eval 'bounded wmctrl -m >/dev/null 2>&1' || { echo "openbox did not start" >&2; return 1; }
}

# Ids of trayer's own top-level windows.
trayer_windows() {
    bounded xwininfo -root -tree 2>/dev/null | grep -E '\("[^"]*" "[Tt]rayer"\)' | awk '{print $1}'
}

trayer_panel_up() {
    local w
    for w in $(trayer_windows); do
        bounded xwininfo -id "$w" 2>/dev/null | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
}

start_trayer() {
    trayer --edge top --align right --widthtype pixel --width 120 --height 28 \
        --SetDockType true --transparent false >"$TMP_ROOT/trayer.log" 2>&1 &
    TRAYER_PID=$!
    STARTED+=("$TRAYER_PID")
    wait_ms 10000 trayer_panel_up || { echo "trayer did not start" >&2; return 1; }
    # The panel maps a moment before the tray selection is surely owned.
    sleep 0.5
}

stop_trayer() {
    stop_pid "$TRAYER_PID"
    wait_ms 5000 eval '[[ -z $(trayer_windows) ]]'
}

# start_kelvon DIR ERRFILE: sets KELVON_PID; Kelvon needs the real X server, whatever the caller set.
start_kelvon() {
    (cd "$1" && exec env QT_QPA_PLATFORM=xcb "$KELVON" >"$2.out" 2>"$2") &
    KELVON_PID=$!
    KELVON_START_MS=$(now_ms)
    STARTED+=("$KELVON_PID")
}

# wait_exit PID MS: sets EXIT_CODE; false if still running after MS.
wait_exit() {
    EXIT_CODE=""
    wait_ms "$2" eval "! alive $1" || return 1
    wait "$1" 2>/dev/null
    EXIT_CODE=$?
    forget_pid "$1"
    return 0
}

# Every window Kelvon owns carries its WM_CLASS.
kelvon_windows() {
    bounded xwininfo -root -tree 2>/dev/null | grep -iE '\("kelvon" |" "kelvon"\)' | awk '{print $1}'
}

# win_info ID: sets W_NAME W_MAP W_OR W_X W_Y W_W W_H.
win_info() {
    local info
    info=$(bounded xwininfo -id "$1" 2>/dev/null) || return 1
    W_NAME=$(sed -n 's/^xwininfo: Window id: 0x[0-9a-fA-F]* //p' <<<"$info")
    W_MAP=$(sed -n 's/^ *Map State: //p' <<<"$info")
    W_OR=$(sed -n 's/^ *Override Redirect State: //p' <<<"$info")
    W_X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    W_Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    W_W=$(sed -n 's/^ *Width: *//p' <<<"$info")
    W_H=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

viewable() { win_info "$1" && [[ $W_MAP == IsViewable ]]; }

# find_icon: the Kelvon window embedded in trayer's panel; sets ICON, ICON_CX, ICON_CY.
find_icon() {
    local p w
    ICON=""
    for p in $(trayer_windows); do
        for w in $(bounded xwininfo -tree -id "$p" 2>/dev/null | grep -iE '\("kelvon" |" "kelvon"\)' | awk '{print $1}'); do
            if viewable "$w" && ((W_W > 0 && W_W <= 128 && W_H > 0 && W_H <= 128)); then
                ICON=$w
                ICON_CX=$((W_X + W_W / 2))
                ICON_CY=$((W_Y + W_H / 2))
                return 0
            fi
        done
    done
    return 1
}

# find_clock: a shown, managed Kelvon window that is neither the editor nor the About box.
find_clock() {
    local w
    CLOCK=""
    for w in $(kelvon_windows); do
        [[ $w == "${ICON:-}" ]] && continue
        viewable "$w" && [[ $W_OR == no ]] || continue
        [[ $W_NAME == *Reminders* || $W_NAME == *About* ]] && continue
        CLOCK=$w
        return 0
    done
    return 1
}

# find_menu: a shown Kelvon pop-up. Tool tips are override-redirect too, and Qt types the menu
# as a normal window, so a tip is told apart by its type and by being too short for five items.
find_menu() {
    local w
    MENU=""
    for w in $(kelvon_windows); do
        [[ $w == "${ICON:-}" ]] && continue
        viewable "$w" && [[ $W_OR == yes ]] && ((W_H >= 60)) || continue
        bounded xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && continue
        MENU=$w
        return 0
    done
    return 1
}

# find_named TITLE: sets NAMED to the shown Kelvon window with that exact title.
find_named() {
    local w
    NAMED=""
    for w in $(kelvon_windows); do
        viewable "$w" && [[ $W_NAME == "\"$1\"" ]] || continue
        NAMED=$w
        return 0
    done
    return 1
}

# frame_geometry ID: sets F_X F_Y F_W F_H to the window including the window manager's frame.
frame_geometry() {
    local ext l=0 r=0 t=0 b=0
    win_info "$1" || return 1
    ext=$(bounded xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p')
    if [[ -n $ext ]]; then IFS=', ' read -r l r t b <<<"$ext"; fi
    F_X=$((W_X - l)) F_Y=$((W_Y - t)) F_W=$((W_W + l + r)) F_H=$((W_H + t + b))
}

# open_menu: right click on the icon, true once the pop-up menu shows.
open_menu() {
    [[ -n ${ICON:-} ]] || return 1
    wait_ms 2000 eval '! find_menu' || return 1
    click_at "$ICON_CX" "$ICON_CY" 3
    wait_ms 3000 find_menu
}

click_at() { bounded xdotool mousemove "$1" "$2" sleep 0.2 click "$3"; }

# Keys go to the focused window; make sure that is the one meant.
key_to() {
    bounded xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    sleep 0.2
    bounded xdotool key "$2"
}

shot() {
    [[ -n ${DESKTOP_TEST_SHOTS:-} ]] || return 0
    mkdir -p "$DESKTOP_TEST_SHOTS" && bounded import -window root "$DESKTOP_TEST_SHOTS/$1.png" 2>/dev/null
}

# Counts and prints one result; a failure keeps a screenshot when DESKTOP_TEST_SHOTS is set.
PASSED=0
FAILED=0
check() { # check OK|... DESCRIPTION [DETAIL]
    if [[ $1 == ok ]]; then
        PASSED=$((PASSED + 1))
        echo "ok   - $2"
    else
        FAILED=$((FAILED + 1))
        echo "FAIL - $2${3:+ ($3)}"
        shot "fail-$FAILED"
    fi
}
result() { "$@" && echo ok || echo fail; }

# dat_ok: $DAT is a whole data file (227 lines, each ending in CR LF); sets DAT_LINES DAT_CRLF.
dat_ok() {
    [[ -f $DAT ]] || return 1
    DAT_LINES=$(wc -l <"$DAT")
    DAT_CRLF=$(grep -c $'\r$' "$DAT")
    [[ $DAT_LINES -eq 227 && $DAT_CRLF -eq 227 && $(tail -c 2 "$DAT" | od -An -c | tr -d ' ') == '\r\n' ]]
}

[[ ${BASH_SOURCE[0]} == "$0" ]] || return 0

# ---- the test ----------------------------------------------------------------------------

KELVON=$(readlink -f "${1:-}" 2>/dev/null)
if [[ -z ${1:-} || ! -x $KELVON ]]; then
    echo "usage: $0 /path/to/kelvon" >&2
    echo "0 passed, 1 failed"
    exit 2
fi
for tool in Xvfb openbox trayer xdotool wmctrl xwininfo xprop timeout; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; echo "0 passed, 1 failed"; exit 2; }
done

trap cleanup EXIT
trap 'exit 130' INT TERM HUP

T0=$(now_ms)
make_tmp
start_xvfb && start_openbox && start_trayer || {
    echo "could not set up the desktop"
    echo "0 passed, 1 failed"
    exit 1
}

# ---- with a notification area ----
mkdir "$TMP_ROOT/run1"
DAT="$TMP_ROOT/run1/Kelvo.dat"
start_kelvon "$TMP_ROOT/run1" "$TMP_ROOT/run1.err"
RUN1=$KELVON_PID

if wait_ms 5000 find_icon; then
    check ok "tray icon embedded in the notification area ($((W_W))x$((W_H)) at $W_X,$W_Y)"
else
    check fail "tray icon embedded in the notification area within 5 s"
fi

if wait_ms $((KELVON_START_MS + 3000 - $(now_ms))) dat_ok; then
    check ok "Kelvo.dat written within 3 s with 227 CRLF lines"
elif [[ -f $DAT ]]; then
    check fail "Kelvo.dat has 227 CRLF lines" "found $DAT_LINES lines, $DAT_CRLF ending in CR LF"
else
    check fail "Kelvo.dat written within 3 s" "no file"
fi

if ! find_clock; then
    check ok "no window shown at start-up"
else
    check fail "no window shown at start-up" "$W_NAME ${W_W}x$W_H"
fi

if [[ -n $ICON ]]; then
    click_at "$ICON_CX" "$ICON_CY" 1
    if wait_ms 3000 find_clock; then
        check ok "left click shows the clock window (${W_W}x$W_H)"
        if bounded xprop -id "$CLOCK" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; then
            check ok "clock window is kept on top"
        else
            check fail "clock window is kept on top" "no _NET_WM_STATE_ABOVE"
        fi
        shot clock
        bounded wmctrl -i -c "$CLOCK"
        if wait_ms 3000 eval "! viewable $CLOCK" && sleep 0.5 && alive "$RUN1" && find_icon; then
            check ok "closing the clock window leaves Kelvon in the tray"
        else
            check fail "closing the clock window leaves Kelvon in the tray"
        fi
    else
        check fail "left click shows the clock window within 3 s"
    fi
else
    check fail "left click shows the clock window" "no icon to click"
fi

# A second start in the same folder hands over: the running copy shows its clock window.
T_SECOND=$(now_ms)
(cd "$TMP_ROOT/run1" && exec env QT_QPA_PLATFORM=xcb timeout 10 "$KELVON") \
    >"$TMP_ROOT/second.out" 2>"$TMP_ROOT/second.err"
SECOND_CODE=$?
SECOND_MS=$(($(now_ms) - T_SECOND))
if [[ $SECOND_CODE -eq 0 && $(wc -l <"$TMP_ROOT/second.err") -eq 1 ]] && wait_ms 3000 find_clock; then
    check ok "a second start shows the running copy's clock window and ends with 0 in $SECOND_MS ms"
    bounded wmctrl -i -c "$CLOCK"
    wait_ms 3000 eval "! viewable $CLOCK"
else
    check fail "a second start shows the running copy's clock window and ends with 0" \
        "status $SECOND_CODE: $(head -c 300 "$TMP_ROOT/second.err")"
fi

if open_menu; then
    check ok "right click pops up the menu (${W_W}x$W_H at $W_X,$W_Y)"
    shot menu
    bounded xdotool key s
    if wait_ms 3000 find_named "Kelvon Reminders"; then
        EDITOR=$NAMED
        check ok "menu 'Set Alarm' (key S) opens the Kelvon Reminders editor"
        shot editor
        key_to "$EDITOR" Return
        if wait_ms 3000 eval "! viewable $EDITOR"; then
            check ok "Enter closes the editor"
        else
            check fail "Enter closes the editor within 3 s"
            bounded wmctrl -i -c "$EDITOR"
        fi
    else
        check fail "menu 'Set Alarm' (key S) opens the Kelvon Reminders editor within 3 s"
        bounded xdotool key Escape
    fi
else
    check fail "right click pops up the menu within 3 s" "$([[ -n ${ICON:-} ]] || echo no icon to click)"
fi

if open_menu; then
    bounded xdotool key a
    if wait_ms 3000 find_named "About Kelvon"; then
        ABOUT=$NAMED
        check ok "menu 'About' (key A) opens About Kelvon"
        shot about
        key_to "$ABOUT" Escape
        if wait_ms 3000 eval "! viewable $ABOUT"; then
            check ok "Esc closes About Kelvon"
        else
            check fail "Esc closes About Kelvon within 3 s"
            bounded wmctrl -i -c "$ABOUT"
        fi
    else
        check fail "menu 'About' (key A) opens About Kelvon within 3 s"
        bounded xdotool key Escape
    fi
else
    check fail "right click pops up the menu again"
fi

if open_menu; then
    ICON_BEFORE_EXIT=$ICON
    bounded xdotool key e
    if wait_exit "$RUN1" 5000; then
        if [[ $EXIT_CODE -eq 0 ]]; then
            check ok "menu 'Exit' (key E) ends Kelvon with exit code 0"
        else
            check fail "menu 'Exit' (key E) ends Kelvon with exit code 0" "exit code $EXIT_CODE"
        fi
    else
        check fail "menu 'Exit' (key E) ends Kelvon within 5 s"
    fi
    if wait_ms 5000 eval "! viewable $ICON_BEFORE_EXIT && ! find_icon"; then
        check ok "the tray icon is gone after Exit"
    else
        check fail "the tray icon is gone after Exit within 5 s"
    fi
    if dat_ok; then
        check ok "Kelvo.dat still has 227 CRLF lines after Exit"
    else
        check fail "Kelvo.dat still has 227 CRLF lines after Exit" "${DAT_LINES:-0} lines, ${DAT_CRLF:-0} CR LF"
    fi
else
    check fail "right click pops up the menu for Exit"
fi
stop_pid "$RUN1"

# ---- without a notification area ----
stop_trayer
mkdir "$TMP_ROOT/run2"
start_kelvon "$TMP_ROOT/run2" "$TMP_ROOT/run2.err"
RUN2=$KELVON_PID
ICON=""
if wait_ms 5000 find_clock; then
    check ok "without a notification area the clock window shows (${W_W}x$W_H)"
    sleep 0.3
    NOTE_LINES=$(grep -c '^kelvon: no notification area' "$TMP_ROOT/run2.err")
    if [[ $NOTE_LINES -eq 1 ]]; then
        check ok "stderr says: $(grep -m1 '^kelvon: no notification area' "$TMP_ROOT/run2.err" | cut -c1-60)..."
    else
        check fail "one 'kelvon: no notification area' line on stderr" "$NOTE_LINES such lines"
    fi
    bounded wmctrl -i -c "$CLOCK"
    if wait_exit "$RUN2" 5000; then
        if [[ $EXIT_CODE -eq 0 ]]; then
            check ok "closing that window ends Kelvon with exit code 0"
        else
            check fail "closing that window ends Kelvon with exit code 0" "exit code $EXIT_CODE"
        fi
    else
        check fail "closing that window ends Kelvon within 5 s"
    fi
else
    check fail "without a notification area the clock window shows within 5 s"
    alive "$RUN2" || check fail "Kelvon still running without a notification area"
fi
stop_pid "$RUN2"

if ((FAILED > 0)); then
    for f in run1.err run2.err; do
        [[ -s $TMP_ROOT/$f ]] && sed "s/^/# $f: /" "$TMP_ROOT/$f" | head -20
    done
fi
echo "# took $((($(now_ms) - T0) / 1000)) s"
echo "$PASSED passed, $FAILED failed"
((FAILED == 0 && PASSED > 0))
