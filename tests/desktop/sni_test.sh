#!/usr/bin/env bash
# Drives a real Kelvon through a StatusNotifierItem host on a private desktop and session bus:
# dbus-run-session around Xvfb, openbox and xfce4-panel, whose tray plugin owns
# org.kde.StatusNotifierWatcher. Clicks the icon in the panel, calls the item and its exported
# menu with gdbus, restarts the panel, and at the end takes the session bus away.
# Usage: sni_test.sh /path/to/kelvon   (KEEP_TMP=1 and DESKTOP_TEST_SHOTS=<dir> as desktop_test.sh)
# shellcheck disable=SC2015,SC2016
set -u
HERE=$(cd "$(dirname "$0")" && pwd)

KELVON=$(readlink -f "${1:-}" 2>/dev/null)
if [[ -z ${1:-} || ! -x $KELVON ]]; then
    echo "usage: $0 /path/to/kelvon" >&2
    echo "0 passed, 1 failed"
    exit 2
fi
XFCONFD=xfconfd
for f in /usr/lib/*/xfce4/xfconf/xfconfd /usr/libexec/xfce4/xfconf/xfconfd; do
    [[ -x $f ]] && XFCONFD=$f && break
done
for tool in dbus-run-session gdbus xfce4-panel Xvfb openbox xdotool wmctrl xwininfo xprop import \
    convert compare timeout "$XFCONFD"; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; echo "0 passed, 1 failed"; exit 2; }
done

# A session bus of the test's own; it ends with the test.
[[ -n ${SNI_TEST_SESSION:-} ]] || exec dbus-run-session -- env SNI_TEST_SESSION=1 bash "$0" "$@"

# shellcheck source=desktop_test.sh
source "$HERE/desktop_test.sh"
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

# ---- the bus and the host ----

bus() { bounded gdbus call --session "$@" 2>/dev/null; }
dbus_call() { bus --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus --method "org.freedesktop.DBus.$1" "${@:2}"; }
has_owner() { dbus_call NameHasOwner "$1" | grep -q true; }
owner_pid() { dbus_call GetConnectionUnixProcessID "$1" | sed -n 's/.*uint32 \([0-9]*\).*/\1/p'; }

# items: the watcher's list, one "service/path" a line.
items() {
    bus --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
        RegisteredStatusNotifierItems | grep -o "'[^']*'" | tr -d "'"
}
# find_item: Kelvon's entry in the watcher's list; sets ITEM to its bus name.
find_item() {
    local entry
    ITEM=""
    for entry in $(items); do
        [[ $(owner_pid "${entry%%/*}") == "$KELVON_PID" ]] && ITEM=${entry%%/*} && return 0
    done
    return 1
}
item_gone() { ! items | grep -q "^$1/"; }
prop() { bus --dest "$ITEM" --object-path /StatusNotifierItem --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem "$1"; }
call_item() { bus --dest "$ITEM" --object-path /StatusNotifierItem --method "org.kde.StatusNotifierItem.$1" "${@:2}" >/dev/null; }
menu_event() { bus --dest "$ITEM" --object-path /MenuBar --method com.canonical.dbusmenu.Event "$1" clicked '<0>' 0 >/dev/null; }

# The panel: one, at the top, holding only the tray plugin.
write_panel_config() {
    local dir="$TMP_ROOT/home/.config/xfce4/xfconf/xfce-perchannel-xml"
    mkdir -p "$dir"
    cat >"$dir/xfce4-panel.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="28"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
XML
}

# No accessibility bus, no dconf: nothing else gets started on the test's bus. env execs the
# program, so $! is the program's own id.
xfce_env() {
    XFCE_ENV=(env HOME="$TMP_ROOT/home" XDG_CONFIG_HOME="$TMP_ROOT/home/.config" NO_AT_BRIDGE=1
        GTK_A11Y=none GSETTINGS_BACKEND=memory)
}

start_xfconfd() {
    "${XFCE_ENV[@]}" "$XFCONFD" >"$TMP_ROOT/xfconfd.log" 2>&1 &
    XFCONFD_PID=$!
    STARTED+=("$XFCONFD_PID")
    wait_ms 10000 has_owner org.xfce.Xfconf || { echo "xfconfd did not start" >&2; return 1; }
}

start_panel() {
    "${XFCE_ENV[@]}" xfce4-panel --disable-wm-check >>"$TMP_ROOT/panel.log" 2>&1 &
    PANEL_PID=$!
    STARTED+=("$PANEL_PID")
    wait_ms 15000 has_owner org.kde.StatusNotifierWatcher && wait_ms 5000 find_panel ||
        { echo "xfce4-panel did not start" >&2; return 1; }
}

# find_panel: sets PANEL_X PANEL_Y PANEL_W PANEL_H to the panel's shown window.
find_panel() {
    local w
    for w in $(bounded xwininfo -root -tree 2>/dev/null | grep -E '"xfce4-panel": \("xfce4-panel"' | awk '{print $1}'); do
        if viewable "$w" && ((W_W >= 200)); then
            PANEL_X=$W_X PANEL_Y=$W_Y PANEL_W=$W_W PANEL_H=$W_H
            return 0
        fi
    done
    return 1
}

panel_shot() {
    bounded import -window root -crop "${PANEL_W}x${PANEL_H}+${PANEL_X}+${PANEL_Y}" +repage "$1" 2>/dev/null
}

# find_icon: what the panel draws now that it did not draw empty, if it is icon-sized; sets
# ICON_CX ICON_CY (screen) and ICON_SIZE.
find_icon() {
    local box w h x y
    panel_shot "$TMP_ROOT/panel.png" || return 1
    box=$(convert "$TMP_ROOT/panel-empty.png" "$TMP_ROOT/panel.png" -compose difference -composite \
        -colorspace gray -threshold 8% -trim -format '%@' info: 2>/dev/null)
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    ((w >= 8 && h >= 8 && w <= PANEL_H + 8 && h <= PANEL_H)) || return 1
    ICON_CX=$((PANEL_X + x + w / 2)) ICON_CY=$((PANEL_Y + y + h / 2)) ICON_SIZE="${w}x$h"
}

# find_foreign_popup: a shown pop-up that is not Kelvon's (the panel's own menu).
find_foreign_popup() {
    local w
    for w in $(bounded xwininfo -root -tree 2>/dev/null | grep -viE '"kelvon"' | awk '/^ +0x/ {print $1}'); do
        viewable "$w" && [[ $W_OR == yes ]] && ((W_H >= 60 && W_W >= 40)) && return 0
    done
    return 1
}

# expect_window WHAT FINDER...: checks that it shows; leaves the window in FOUND.
expect_window() {
    local what=$1
    shift
    FOUND=""
    if wait_ms 5000 "$@"; then
        [[ $1 == find_clock ]] && FOUND=$CLOCK || FOUND=$NAMED
        check ok "$what"
        return 0
    fi
    check fail "$what within 5 s"
    return 1
}

close_window() { bounded wmctrl -i -c "$1"; wait_ms 3000 eval "! viewable $1"; }

clock_on_top() {
    if bounded xprop -id "$CLOCK" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; then
        check ok "$1: the clock window is kept on top"
    else
        check fail "$1: the clock window is kept on top" "no _NET_WM_STATE_ABOVE"
    fi
}

# no_clock_while WHAT: Activate while WHAT is open leaves the clock window hidden.
no_clock_while() {
    call_item Activate 0 0
    sleep 1.5
    if find_clock; then
        check fail "Activate while $1 is open does nothing" "clock window shown"
        close_window "$CLOCK"
    else
        check ok "Activate while $1 is open does nothing"
    fi
}

# ---- the test ----------------------------------------------------------------------------

T0=$(now_ms)
SESSION_BUS=$DBUS_SESSION_BUS_ADDRESS
make_tmp
xfce_env
write_panel_config
start_xvfb && start_openbox || { echo "could not set up the desktop"; echo "0 passed, 1 failed"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS=$SESSION_BUS # start_xvfb points it at nothing
start_xfconfd && start_panel || { echo "could not start the panel"; echo "0 passed, 1 failed"; exit 1; }
sleep 1 # the empty panel as it stays, for find_icon to compare with
panel_shot "$TMP_ROOT/panel-empty.png"

# ---- the item ----
mkdir "$TMP_ROOT/run1"
DAT="$TMP_ROOT/run1/Kelvo.dat"
start_kelvon "$TMP_ROOT/run1" "$TMP_ROOT/run1.err"
RUN1=$KELVON_PID
if wait_ms 10000 find_item; then
    check ok "the item registers with org.kde.StatusNotifierWatcher ($ITEM/StatusNotifierItem)"
else
    check fail "the item registers with org.kde.StatusNotifierWatcher within 10 s" "$(items | tr '\n' ' ')"
fi

for p in Id Title; do
    v=$(prop "$p")
    [[ $v == "(<'Kelvon'>,)" ]] && check ok "$p is \"Kelvon\"" || check fail "$p is \"Kelvon\"" "$v"
done
v=$(prop ToolTip)
[[ $v == *"], 'Kelvon', "* ]] && check ok "the tool tip's title is \"Kelvon\"" ||
    check fail "the tool tip's title is \"Kelvon\"" "$v"
# The first image: width, height and width * height ARGB pixels.
v=$(prop IconPixmap | sed -n 's/^(<\[(\([0-9]*\), \([0-9]*\), \[\([^]]*\)\].*/\1 \2 \3/p')
read -r IW IH IBYTES <<<"${v:-0 0}"
IBYTES=$(grep -o 0x <<<"${IBYTES:-}" | wc -l)
if ((IW > 0 && IH > 0 && IBYTES == IW * IH * 4)); then
    check ok "the item has an icon (${IW}x$IH, $IBYTES bytes)"
else
    check fail "the item has an icon" "${IW}x$IH with $IBYTES bytes"
fi
if wait_ms 5000 find_icon; then
    check ok "the panel shows the icon ($ICON_SIZE at $ICON_CX,$ICON_CY)"
else
    check fail "the panel shows the icon within 5 s"
fi
shot panel

# ---- through the panel ----
if [[ -n ${ICON_CX:-} ]]; then
    click_at "$ICON_CX" "$ICON_CY" 1
    if expect_window "a left click on the icon shows the clock window" find_clock; then
        clock_on_top "left click"
        close_window "$CLOCK"
    fi
    click_at "$ICON_CX" "$ICON_CY" 3
    if wait_ms 5000 find_foreign_popup; then
        check ok "a right click on the icon opens the panel's menu (${W_W}x$W_H)"
        shot panel-menu
        bounded xdotool key s
        if expect_window "the panel's menu 'Set Alarm' (key S) opens the editor" find_named "Kelvon Reminders"; then
            key_to "$FOUND" Return
            wait_ms 3000 eval "! viewable $FOUND" || close_window "$FOUND"
        fi
    else
        check fail "a right click on the icon opens the panel's menu within 5 s"
    fi
fi

# ---- through D-Bus ----
call_item Activate 0 0
if expect_window "Activate shows the clock window" find_clock; then
    clock_on_top Activate
    close_window "$CLOCK"
fi

LAYOUT=$(bus --dest "$ITEM" --object-path /MenuBar --method com.canonical.dbusmenu.GetLayout 0 -- -1 '[]')
mapfile -t ENTRIES < <(grep -o "<([0-9]*, {[^}]*}" <<<"$LAYOUT")
IDS=() LABELS=()
for e in "${ENTRIES[@]}"; do
    id=${e#"<("}
    IDS+=("${id%%,*}")
    LABELS+=("$(sed -n "s/.*'label': <'\([^']*\)'>.*/\1/p" <<<"$e" | tr -d _)")
done
if [[ ${LABELS[*]} == "Kelvon Set Alarm Help About Exit" && ${#ENTRIES[@]} -eq 5 ]] &&
    ! grep -q separator <<<"$LAYOUT"; then
    check ok "the exported menu holds Kelvon, Set Alarm, Help, About, Exit, no separators"
else
    check fail "the exported menu holds Kelvon, Set Alarm, Help, About, Exit, no separators" "$LAYOUT"
fi

# modal_event ID ITEM TITLE KEY: the item's event opens the modal window TITLE, no clock window
# shows while it is up, and KEY closes it.
modal_event() {
    menu_event "$1"
    if expect_window "Event 'clicked' on $2 opens $3" find_named "$3"; then
        local shown=$FOUND
        no_clock_while "$3"
        key_to "$shown" "$4"
        wait_ms 3000 eval "! viewable $shown" || close_window "$shown"
    fi
}

if ((${#IDS[@]} == 5)); then
    menu_event "${IDS[0]}"
    expect_window "Event 'clicked' on Kelvon shows the clock window" find_clock && close_window "$CLOCK"
    modal_event "${IDS[1]}" "Set Alarm" "Kelvon Reminders" Return
    menu_event "${IDS[2]}"
    expect_window "Event 'clicked' on Help opens the help viewer" find_named "Kelvon Help" && close_window "$FOUND"
    modal_event "${IDS[3]}" "About" "About Kelvon" Escape
fi

# The host says where; the pointer is elsewhere.
bounded xdotool mousemove 700 600
call_item ContextMenu 300 200
if wait_ms 5000 find_menu && ((W_X == 300 && W_Y == 200)); then
    check ok "ContextMenu(300, 200) opens the menu at 300,200 (${W_W}x$W_H)"
else
    check fail "ContextMenu(300, 200) opens the menu at 300,200" "$([[ -n $MENU ]] && echo "at $W_X,$W_Y" || echo "no menu")"
fi
[[ -n $MENU ]] && bounded xdotool key Escape && wait_ms 3000 eval "! viewable $MENU"

# ---- the host restarts ----
stop_pid "$PANEL_PID"
if wait_ms 10000 eval '! has_owner org.kde.StatusNotifierWatcher'; then
    start_panel
    OLD_ITEM=$ITEM
    if wait_ms 10000 find_item && [[ $ITEM == "$OLD_ITEM" ]] && wait_ms 5000 find_icon; then
        check ok "after the panel restarts the item registers again and the icon shows"
        click_at "$ICON_CX" "$ICON_CY" 1
        expect_window "a left click on the icon shows the clock window again" find_clock && close_window "$CLOCK"
    else
        check fail "after the panel restarts the item registers again and the icon shows" "$(items | tr '\n' ' ')"
    fi
else
    check fail "the watcher goes with the panel"
fi

if ((${#IDS[@]} == 5)); then
    menu_event "${IDS[4]}"
    if wait_exit "$RUN1" 5000 && [[ $EXIT_CODE -eq 0 ]]; then
        check ok "Event 'clicked' on Exit ends Kelvon with status 0"
    else
        check fail "Event 'clicked' on Exit ends Kelvon with status 0" "${EXIT_CODE:-still running}"
    fi
    wait_ms 5000 item_gone "$ITEM" && check ok "the item is unregistered after Exit" ||
        check fail "the item is unregistered after Exit within 5 s"
    dat_ok && check ok "Kelvo.dat has 227 CRLF lines after Exit" || check fail "Kelvo.dat has 227 CRLF lines after Exit"
fi
stop_pid "$RUN1"

# ---- the session bus goes away ----
mkdir "$TMP_ROOT/run2"
DAT="$TMP_ROOT/run2/Kelvo.dat"
start_kelvon "$TMP_ROOT/run2" "$TMP_ROOT/run2.err"
RUN2=$KELVON_PID
if wait_ms 10000 find_item && wait_ms 5000 dat_ok && call_item Activate 0 0 && wait_ms 5000 find_clock; then
    SUM=$(md5sum <"$DAT")
    BUS_PID=$(owner_pid org.freedesktop.DBus)
    STARTED+=("$BUS_PID") # dbus-run-session's daemon, so stop_pid may end it
    stop_pid "$BUS_PID"
    sleep 2
    bounded import -window "$CLOCK" "$TMP_ROOT/clock1.png"
    sleep 1.5
    bounded import -window "$CLOCK" "$TMP_ROOT/clock2.png"
    CHANGED=$(compare -metric AE "$TMP_ROOT/clock1.png" "$TMP_ROOT/clock2.png" null: 2>&1)
    if alive "$RUN2" && viewable "$CLOCK" && [[ $CHANGED =~ ^[0-9]+$ ]] && ((CHANGED > 0)); then
        check ok "without the session bus Kelvon runs on and its clock ticks"
    else
        check fail "without the session bus Kelvon runs on and its clock ticks" "changed pixels: $CHANGED"
    fi
    [[ $(md5sum <"$DAT") == "$SUM" ]] && dat_ok && check ok "Kelvo.dat is unchanged without the bus" ||
        check fail "Kelvo.dat is unchanged without the bus"
    kill -TERM "$RUN2" 2>/dev/null
    if wait_exit "$RUN2" 5000 && [[ $EXIT_CODE -eq 0 ]] && dat_ok; then
        check ok "ended without the bus: status 0, Kelvo.dat whole"
    else
        check fail "ended without the bus: status 0, Kelvo.dat whole" "${EXIT_CODE:-still running}"
    fi
else
    check fail "a second Kelvon registers and shows its clock window"
fi
stop_pid "$RUN2"

if ((FAILED > 0)); then
    for f in run1.err run2.err panel.log; do
        [[ -s $TMP_ROOT/$f ]] && sed "s/^/# $f: /" "$TMP_ROOT/$f" | head -20
    done
fi
echo "# took $((($(now_ms) - T0) / 1000)) s"
echo "$PASSED passed, $FAILED failed"
((FAILED == 0 && PASSED > 0))
