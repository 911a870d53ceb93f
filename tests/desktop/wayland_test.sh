#!/usr/bin/env bash
# Kelvon in a Wayland session: sway (headless, with Xwayland), waybar's tray as the
# StatusNotifierItem host and dunst as the notification server, on a session bus of the test's
# own that starts no service by itself; then an X11 desktop (Xvfb, openbox, trayer) whose window
# manager keeps windows on top. sway will not run as root: as root the test makes a user of its
# own for the run and removes it at the end.
# Usage: wayland_test.sh /path/to/kelvon   (KEEP_TMP=1 keeps the scratch folder, with screenshots)
# Exit 77 (skipped) only when sway cannot start a compositor on this machine.
# shellcheck disable=SC2015,SC2016
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=desktop_test.sh
source "$HERE/desktop_test.sh"

KELVON=$(readlink -f "${1:-}" 2>/dev/null)
if [[ -z ${1:-} || ! -x $KELVON ]]; then
    echo "usage: $0 /path/to/kelvon" >&2
    echo "0 passed, 1 failed"
    exit 2
fi
for tool in sway swaymsg Xwayland waybar dunst dunstctl wtype grim xmessage jq dbus-run-session gdbus \
    Xvfb openbox trayer xprop xwininfo wmctrl setpriv useradd userdel timeout; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool"; echo "0 passed, 1 failed"; exit 2; }
done

# ---- outside: a user and a session bus for the run ----

if [[ -z ${WAYLAND_TEST_ROOT:-} ]]; then
    make_tmp
    TEST_USER=""
    finish() {
        if [[ -n $TEST_USER ]]; then
            # Its last processes (a watchdog's sleep) end within a second or two.
            wait_ms 5000 eval '! pgrep -u "$TEST_USER" >/dev/null'
            userdel "$TEST_USER" 2>/dev/null || userdel -f "$TEST_USER"
        fi
        if [[ -n ${KEEP_TMP:-} ]]; then echo "# kept $TMP_ROOT" >&2; else rm -rf "$TMP_ROOT"; fi
    }
    trap finish EXIT
    trap 'exit 130' INT TERM HUP
    run_as=()
    if [[ $(id -u) -eq 0 ]]; then
        # Users left by a run that was killed outright; each name holds its test's process id.
        for u in $(getent passwd | cut -d: -f1 | grep '^kelvon-wl-'); do
            alive "${u#kelvon-wl-}" || userdel "$u" 2>/dev/null
        done
        TEST_USER=kelvon-wl-$$
        useradd --system --user-group --no-create-home --home-dir "$TMP_ROOT/home" \
            --shell /usr/sbin/nologin "$TEST_USER" || { echo "useradd failed"; echo "0 passed, 1 failed"; exit 1; }
        chown -R "$TEST_USER:" "$TMP_ROOT"
        run_as=(setpriv --reuid="$TEST_USER" --regid="$TEST_USER" --clear-groups)
        # A build in a folder that user cannot reach runs from a copy.
        "${run_as[@]}" test -x "$KELVON" || { install -D -o "$TEST_USER" "$KELVON" "$TMP_ROOT/bin/kelvon" &&
            KELVON=$TMP_ROOT/bin/kelvon; }
    fi
    # No service directories: a name nobody owns stays unowned, as on a desktop without them.
    cat >"$TMP_ROOT/session.conf" <<EOF
<busconfig><type>session</type><listen>unix:dir=$TMP_ROOT/runtime</listen><auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
EOF
    "${run_as[@]}" env -i PATH="$PATH" HOME="$TMP_ROOT/home" LANG=C.UTF-8 TMPDIR="$TMP_ROOT" \
        WAYLAND_TEST_ROOT="$TMP_ROOT" ${KEEP_TMP:+DESKTOP_TEST_SHOTS="$TMP_ROOT/shots"} \
        dbus-run-session --config-file="$TMP_ROOT/session.conf" -- bash "$0" "$KELVON"
    exit $?
fi

# ---- inside, as that user, on that bus ----

TMP_ROOT=$WAYLAND_TEST_ROOT
export XDG_RUNTIME_DIR=$TMP_ROOT/runtime XDG_CONFIG_HOME=$TMP_ROOT/home/.config
trap 'TMP_ROOT=""; cleanup' EXIT # the folder is the outer part's to remove
trap 'exit 130' INT TERM HUP
T0=$(now_ms)
BUS=$DBUS_SESSION_BUS_ADDRESS
# Screenshots of the compositor while it runs, of the X server after.
shot() {
    [[ -n ${DESKTOP_TEST_SHOTS:-} ]] && mkdir -p "$DESKTOP_TEST_SHOTS" || return 0
    if [[ -n ${WAYLAND_DISPLAY:-} ]]; then bounded grim "$DESKTOP_TEST_SHOTS/$1.png"; else
        bounded import -window root "$DESKTOP_TEST_SHOTS/$1.png"; fi 2>/dev/null
}

bus() { bounded gdbus call --session "$@" 2>/dev/null; }
has_owner() {
    bus --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1" | grep -q true
}
item_of() { # item_of PID: the bus name of that process's StatusNotifierItem
    local entry
    for entry in $(bus --dest org.kde.StatusNotifierWatcher --object-path /StatusNotifierWatcher \
        --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher \
        RegisteredStatusNotifierItems | grep -o "'[^']*'" | tr -d "'"); do
        bus --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus --method \
            org.freedesktop.DBus.GetConnectionUnixProcessID "${entry%%/*}" | grep -q "uint32 $1," &&
            ITEM=${entry%%/*} && return 0
    done
    return 1
}
call_item() { bus --dest "$ITEM" --object-path /StatusNotifierItem --method "org.kde.StatusNotifierItem.$1" 10 10 >/dev/null; }

# views: sway's windows, one "pid shell name focused urgent visible fullscreen" a line.
views() {
    bounded swaymsg -t get_tree 2>/dev/null | jq -r '.. | objects | select(.pid? and
        (.type == "con" or .type == "floating_con")) | "\(.pid) \(.shell) \(.app_id //
        .window_properties.instance) \(.focused) \(.urgent) \(.visible) \(.fullscreen_mode)"'
}
view_of() { views | grep -E "^$1 " | head -n1; }
has_view() { views | grep -qE "^$1 .*${2:-}"; } # has_view PID [PATTERN]
view_count() { views | grep -c "^$1 "; }

# dunst: how many it shows, and FIELD of each notification in its history.
shown() { bounded dunstctl count displayed 2>/dev/null || echo 0; }
history_field() {
    bounded dunstctl history 2>/dev/null | awk -v f="\"$1\"" '$1 == f { getline; getline;
        sub(/^[^:]*: "/, ""); sub(/"$/, ""); print }'
}

# write_due DIR EPOCH [MESSAGE]: a data file whose slot 0 is due at that second with the
# message, or no reminder at all without one; no sound.
write_due() {
    local i=0
    {
        printf '"%s"\r\n' "THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH." \
            "DELETE FILE COMPLETELY IF PROBLEM ARISES."
        printf '#FALSE#,#FALSE#,#FALSE#,#FALSE#\r\n'
        if [[ -n ${3:-} ]]; then
            printf '"%s"\r\n"%s"\r\n"%s"\r\n0\r\n0\r\n0\r\n0\r\n' \
                "$(date -d "@$2" +%m/%d/%y)" "$3" "$(date -d "@$2" +%H:%M:%S)"
            i=1
        fi
        for (( ; i < 32; i++)); do printf '""\r\n""\r\n""\r\n0\r\n0\r\n0\r\n0\r\n'; done
    } >"$1/Kelvo.dat"
}

# launch NAME MESSAGE ENV...: Kelvon in a fresh folder, slot 0 due 4 s from now; sets KELVON_PID
# and DUE_MS, logs in NAME.err.
launch() {
    local dir=$TMP_ROOT/$1 due=$(($(date +%s) + 4))
    mkdir "$dir"
    write_due "$dir" "$due" "$2"
    (cd "$dir" && exec env -u QT_QPA_PLATFORM "${@:3}" "$KELVON" >"$dir.out" 2>"$dir.err") &
    KELVON_PID=$!
    DUE_MS=$((due * 1000))
    STARTED+=("$KELVON_PID")
}
until_due() { wait_ms $((DUE_MS + $1 - $(now_ms))) "${@:2}"; } # until_due MS CMD...

start_dunst() {
    dunst -config "$TMP_ROOT/dunstrc" >"$TMP_ROOT/dunst.log" 2>&1 &
    DUNST_PID=$!
    STARTED+=("$DUNST_PID")
    wait_ms 10000 has_owner org.freedesktop.Notifications
}
# What dunst received shows in its history; the rule makes the urgency part of the message.
cat >"$TMP_ROOT/dunstrc" <<'EOF'
[global]
    font = Monospace 8
    markup = full
[kelvon-critical]
    msg_urgency = critical
    format = "critical %s"
EOF

# ---- the Wayland session ----

mkdir -p "$XDG_CONFIG_HOME/waybar"
echo '{"layer": "top", "height": 28, "modules-right": ["tray"]}' >"$XDG_CONFIG_HOME/waybar/config"
cat >"$TMP_ROOT/sway.conf" <<EOF
output HEADLESS-1 resolution 1024x768
xwayland enable
exec echo "\$DISPLAY" >$TMP_ROOT/xdisplay
# The focus-stealing prevention other desktops have: a new Kelvon window does not take the focus.
no_focus [app_id="kelvon"]
no_focus [instance="kelvon"]
EOF
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$TMP_ROOT/sway.conf" >"$TMP_ROOT/sway.log" 2>&1 &
SWAY_PID=$!
STARTED+=("$SWAY_PID")
sway_up() {
    export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n1)
    WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? 2>/dev/null | head -n1)
    [[ -n $SWAYSOCK && -n $WAYLAND_DISPLAY && -s $TMP_ROOT/xdisplay ]] && swaymsg -t get_version >/dev/null 2>&1
}
if ! wait_ms 15000 sway_up; then
    echo "# sway could not start a headless compositor here; skipped:"
    tail -n 5 "$TMP_ROOT/sway.log" | sed 's/^/#   /'
    exit 77
fi
export SWAYSOCK WAYLAND_DISPLAY
XWAYLAND_DISPLAY=$(head -n1 "$TMP_ROOT/xdisplay")
SESSION=(DISPLAY="$XWAYLAND_DISPLAY" XDG_SESSION_TYPE=wayland)
waybar >"$TMP_ROOT/waybar.log" 2>&1 &
STARTED+=("$!")
wait_ms 10000 has_owner org.kde.StatusNotifierWatcher || check fail "waybar's tray owns the watcher"
start_dunst || check fail "dunst owns org.freedesktop.Notifications"

# The user's work, focused; later full screen.
env "${SESSION[@]}" xmessage -center "Work in progress" >/dev/null 2>&1 &
WORK_PID=$!
STARTED+=("$WORK_PID")
wait_ms 10000 has_view "$WORK_PID" && bounded swaymsg "[pid=$WORK_PID] focus" >/dev/null

launch default 'Tea & <cake> at four' "${SESSION[@]}"
check "$(result wait_ms 10000 item_of "$KELVON_PID")" "the icon is in waybar's tray"
if until_due 5000 has_view "$KELVON_PID"; then
    check "$(result has_view "$KELVON_PID" xwayland)" "with no platform named, Kelvon is an X11 client of Xwayland"
    urgent() { read -r _ _ _ _ URGENT _ <<<"$(view_of "$KELVON_PID")"; [[ $URGENT == true ]]; }
    check "$(result wait_ms 3000 urgent)" "the alert window asks for the focus: marked urgent"
else
    check fail "the alert window opens within 5 s of the due second"
fi
if wait_ms 5000 eval '(($(shown) == 1))'; then
    check ok "dunst shows one notification"
    bounded swaymsg "[pid=$KELVON_PID] kill" >/dev/null # the alert window's close button
    check "$(result wait_ms 5000 eval '(($(shown) == 0))')" "closing the alert window closes its notification"
    got="$(history_field appname)|$(history_field summary)|$(history_field body)|$(history_field message)"
    check "$(result test "$got" == "Kelvon|Kelvon|Tea &amp; &lt;cake&gt; at four|critical Kelvon")" \
        "notification: app Kelvon, summary Kelvon, the message as body, critical" "$got"
else
    check fail "dunst shows one notification within 5 s" "$(shown) shown"
fi
stop_pid "$KELVON_PID"

# Full screen: the alert window opens behind; the notification shows over it.
bounded swaymsg "[pid=$WORK_PID] fullscreen enable, focus" >/dev/null
launch fullscreen "Over the slides" "${SESSION[@]}"
until_due 5000 eval '(($(shown) == 1))' && shot fullscreen
read -r _ _ _ focused _ _ fs <<<"$(view_of "$WORK_PID")"
check "$(result test "$(shown)$focused$fs" == 1true1)" \
    "over a full-screen window that keeps the focus, the notification shows" "$(shown) shown, focused $focused"
stop_pid "$KELVON_PID"
bounded swaymsg "[pid=$WORK_PID] fullscreen disable" >/dev/null
bounded dunstctl close-all >/dev/null 2>&1

# Native Wayland, as the user names it: the menu that ContextMenu opens.
launch native "" "${SESSION[@]}" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client
shells() { echo "$(grep -c 'get_toplevel(' "$TMP_ROOT/native.err") $(grep -c 'get_popup(' "$TMP_ROOT/native.err")"; }
ITEM=""
wait_ms 10000 item_of "$KELVON_PID"
check "$(result test -n "$ITEM")" "natively too, the icon is in waybar's tray"
call_item ContextMenu
sleep 1.5
check "$(result test "$(shells)" == "0 0")" "ContextMenu with no window of Kelvon's opens no window" "$(shells)"
call_item Activate
check "$(result wait_ms 3000 has_view "$KELVON_PID" xdg_shell)" "QT_QPA_PLATFORM=wayland wins: a Wayland clock window"
bounded swaymsg "[pid=$KELVON_PID] focus" >/dev/null
# A keyboard of the seat, pressed once in the clock window, as a user's would be.
wtype -s 300 -k Shift_L -s 20000 &
KEYS_PID=$!
STARTED+=("$KEYS_PID")
sleep 1
call_item ContextMenu
wait_ms 3000 eval '[[ $(shells) == "1 1" ]]' && shot popup
check "$(result test "$(shells) $(view_count "$KELVON_PID")" == "1 1 1")" \
    "ContextMenu over the focused clock window opens a pop-up, no window" "$(shells) $(view_count "$KELVON_PID")"
stop_pid "$KEYS_PID"
stop_pid "$KELVON_PID"

# No notification server, then no session bus: the alert still opens on time, quietly. Without
# a bus there is no tray either, so the clock window shows from the start: two windows then.
stop_pid "$DUNST_PID"
quiet() { ! grep -v '^kelvon: no notification area' "$TMP_ROOT/$1.err" | grep -qi 'dbus\|notif'; }
for case in "no-server 1" "no-bus 2 DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent"; do
    read -r name windows env <<<"$case"
    launch "$name" "Quiet" "${SESSION[@]}" ${env:+"$env"}
    check "$(result until_due 3000 eval '(($(view_count "$KELVON_PID") == windows))')" \
        "$name: the alert window opens within 3 s of the due second"
    sleep 1
    check "$(result quiet "$name")" "$name: nothing said" "$(head -c 200 "$TMP_ROOT/$name.err")"
    if [[ $name == no-server ]]; then
        # What was asked while no server ran is dropped, not posted at the next firing once
        # a server is there: that firing shows its own notification alone.
        start_dunst || check fail "dunst owns org.freedesktop.Notifications again"
        # Slot 1 due in 3 s, written into the file as Kelvon saved it.
        due=$(($(date +%s) + 3))
        DUE_MS=$((due * 1000))
        sed -i "11s|.*|\"$(date -d "@$due" +%m/%d/%y)\"\r|; 12s|.*|\"Second\"\r|;
            13s|.*|\"$(date -d "@$due" +%H:%M:%S)\"\r|" "$TMP_ROOT/$name/Kelvo.dat"
        until_due 3000 eval '(($(shown) > 0))'
        sleep 2
        check "$(result test "$(shown)" -eq 1)" \
            "no-server: a server started later shows the next firing's notification alone" "$(shown) shown"
        stop_pid "$DUNST_PID"
    fi
    stop_pid "$KELVON_PID"
done
stop_pid "$WORK_PID"
stop_pid "$SWAY_PID"

# ---- an X11 desktop whose window manager keeps the alert on top: no notification ----

# trayer sometimes fails to map its panel on a busy machine: once more then.
start_xvfb && start_openbox && { start_trayer || { stop_pid "$TRAYER_PID" && start_trayer; }; } ||
    check fail "the X11 desktop starts"
export DBUS_SESSION_BUS_ADDRESS=$BUS
start_dunst || check fail "dunst owns org.freedesktop.Notifications on X11"
launch x11 "On top" QT_QPA_PLATFORM=xcb
wait_ms 5000 find_icon
CLOCK=""
until_due 5000 find_clock
check "$(result test -n "$CLOCK")" "X11: the alert window opens"
sleep 2
check "$(result eval 'bounded xprop -id "$CLOCK" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE')" \
    "X11: the alert window is kept on top"
check "$(result test "$(shown)$(history_field summary)" == 0)" "X11: no notification is posted"
bus --dest org.freedesktop.Notifications --object-path /org/freedesktop/Notifications --method \
    org.freedesktop.Notifications.Notify probe 0 '' probe probe '[]' '{}' 'int32 -1' >/dev/null
check "$(result wait_ms 3000 eval '(($(shown) == 1))')" "X11: dunst shows a notification sent to it"
stop_pid "$KELVON_PID"

if ((FAILED > 0)); then
    for f in "$TMP_ROOT"/*.err; do
        grep -v '^\[' "$f" | sed "s|^|# $(basename "$f"): |" | head -5
    done
fi
echo "# took $((($(now_ms) - T0) / 1000)) s"
echo "$PASSED passed, $FAILED failed"
((FAILED == 0 && PASSED > 0))
