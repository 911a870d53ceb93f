#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and runs what it installed.
set -uo pipefail
build="$1"
passed=0 failed=0
check() { # name, then the command that must succeed
    local name="$1"; shift
    if "$@" >/dev/null 2>&1; then echo "ok   $name"; passed=$((passed + 1))
    else echo "FAIL $name"; failed=$((failed + 1)); fi
}
work="$(mktemp -d)"
pid=""
trap '[ -n "$pid" ] && kill -9 "$pid" 2>/dev/null; rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; echo "0 passed, 1 failed"; exit 1; }
deb="$(ls "$work"/pkg/kelvon_*.deb | head -n 1)"
check "package built" test -f "$deb"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "     Depends: $depends"
for lib in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins; do
    check "depends on $lib" grep -q "$lib" <<<"$depends"
done

# The audio stack is loaded at the first sound, not at start.
check "the program does not link the multimedia library" \
    bash -c "! dpkg-deb --fsys-tarfile '$deb' | tar -xO ./usr/bin/kelvon | readelf -d /dev/stdin | grep -q Multimedia"
check "its dependencies resolve on this system" apt-get install -s -q "$deb"

root="$work/root"
dpkg -x "$deb" "$root"
for f in usr/bin/kelvon usr/bin/kelvon-launch usr/share/kelvon/KELVON.HLP \
    usr/share/applications/kelvon.desktop usr/share/kelvon/kelvon-autostart.desktop \
    usr/share/icons/hicolor/scalable/apps/kelvon.svg usr/share/kelvon/sounds/checkmsgs.wav \
    usr/share/kelvon/sounds/Alert.wav usr/share/kelvon/sounds/Keytry.wav \
    usr/share/kelvon/sounds/Keyhaw.wav usr/lib/kelvon/libkelvon_sound.so; do
    check "installs /$f" test -s "$root/$f"
done
if command -v desktop-file-validate >/dev/null; then
    check "desktop entry is valid" desktop-file-validate "$root/usr/share/applications/kelvon.desktop"
fi

# The launcher starts it in the user's data folder, created when missing.
export HOME="$work/home" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
(cd "$work" && exec "$root/usr/bin/kelvon-launch") >"$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 50); do [ -f "$XDG_DATA_HOME/kelvon/Kelvo.dat" ] && break; sleep 0.1; done
check "creates Kelvo.dat in the data folder" test -f "$XDG_DATA_HOME/kelvon/Kelvo.dat"
check "the data file has 227 lines" test "$(grep -c $'\r$' "$XDG_DATA_HOME/kelvon/Kelvo.dat")" -eq 227
check "copies the help file beside it" test -f "$XDG_DATA_HOME/kelvon/KELVON.HLP"
check "the data folder is private" test "$(stat -c %a "$XDG_DATA_HOME/kelvon")" = 700
kill -TERM "$pid"
code=124
for _ in $(seq 1 50); do
    if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; code=$?; break; fi
    sleep 0.1
done
pid=""
check "ends cleanly when told to (exit code $code)" test "$code" -eq 0

# A due reminder with a sound chosen: the installed sound module is the one loaded.
{
    printf '"%s"\r\n' "THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH." \
        "DELETE FILE COMPLETELY IF PROBLEM ARISES."
    printf '#TRUE#,#FALSE#,#FALSE#,#FALSE#\r\n'
    printf '"%s"\r\n"Package check"\r\n"00:00:00"\r\n0\r\n0\r\n0\r\n0\r\n' "$(date +%m/%d/%y)"
    for _ in $(seq 2 32); do printf '""\r\n""\r\n""\r\n0\r\n0\r\n0\r\n0\r\n'; done
} >"$XDG_DATA_HOME/kelvon/Kelvo.dat"
(cd "$work" && exec "$root/usr/bin/kelvon-launch") >"$work/run2.log" 2>&1 &
pid=$!
for _ in $(seq 1 50); do [ "$(sed -n 10p "$XDG_DATA_HOME/kelvon/Kelvo.dat")" = $'1\r' ] && break; sleep 0.1; done
check "the reminder fired" test "$(sed -n 10p "$XDG_DATA_HOME/kelvon/Kelvo.dat")" = $'1\r'
check "the installed sound module is loaded" grep -q "$root/usr/lib/kelvon/libkelvon_sound.so" "/proc/$pid/maps"
kill -TERM "$pid"
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid"; code=$?
pid=""
check "ends cleanly after a sound (exit code $code)" test "$code" -eq 0
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
