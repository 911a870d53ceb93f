#!/usr/bin/env bash
# Builds the Debian package and checks it as a distribution would; as root it installs it with
# apt-get, runs what it installed and purges it again, leaving the machine as it was whatever
# the test ends with. Not root: the same runs from the package unpacked into a temporary root.
set -uo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
passed=0 failed=0
check() { # name, then the command that must succeed
    local name="$1"; shift
    if "$@" >/dev/null 2>&1; then echo "ok   $name"; passed=$((passed + 1))
    else echo "FAIL $name"; failed=$((failed + 1)); fi
}
work="$(mktemp -d)"
pid="" installed="" module="" moved=""
# The packages that an install's output says it newly unpacked: what it brought in, and nothing
# that anyone else installed meanwhile.
newly_installed() { # log
    [ -f "$1" ] || return 0
    sed -n 's/.*Selecting previously unselected package \([^ ]*\)\.\r\?$/\1/p' "$1" | sort -u
}
# Of those, the ones whose purge takes nothing else with it (a package installed since may
# depend on one of them).
purgeable() { # package...
    local p purged
    for p in "$@"; do
        purged="$(LC_ALL=C apt-get -s purge "$p" 2>/dev/null)" || continue
        sed -n 's/^Purg \([^ ]*\).*/\1/p' <<<"$purged" |
            grep -qvxF -f <(printf '%s\n' "$@" "${@%:*}") || echo "$p"
    done
}
cleanup() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    [ -n "$moved" ] && mv "$moved" "$module"
    if [ -n "$installed" ]; then
        # kelvon, and whatever its own install brought in with it.
        mapfile -t added < <(purgeable $(newly_installed "$work/install.log"))
        [ ${#added[@]} -eq 0 ] || apt-get purge -y -q -o DPkg::Lock::Timeout=300 "${added[@]}" >/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; echo "0 passed, 1 failed"; exit 1; }
deb="$(ls "$work"/pkg/kelvon_*.deb | head -n 1)"
check "package built" test -f "$deb"
check "the package's version is the project's ($version)" \
    test "$(dpkg-deb -f "$deb" Version | sed 's/-[^-]*$//')" = "$version"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "     Depends: $depends"
for lib in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins; do
    check "depends on $lib" grep -q "$lib" <<<"$depends"
done

# The audio stack is loaded at the first sound, not at start.
check "the program does not link the multimedia library" \
    bash -c "! dpkg-deb --fsys-tarfile '$deb' | tar -xO ./usr/bin/kelvon | readelf -d /dev/stdin | grep -q Multimedia"
check "its dependencies resolve on this system" apt-get install -s -q "$deb"
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1
code=$?
grep '^[EW]:' "$work/lintian.log" | sed 's/^/     lintian /'
check "lintian finds no errors" test "$code" -eq 0

root="$work/root"
dpkg -x "$deb" "$root"
id="$(basename "$root"/usr/share/metainfo/*.metainfo.xml .metainfo.xml)"
for f in usr/bin/kelvon usr/bin/kelvon-launch usr/share/kelvon/KELVON.HLP \
    "usr/share/applications/$id.desktop" usr/share/kelvon/kelvon-autostart.desktop \
    usr/share/icons/hicolor/scalable/apps/kelvon.svg usr/share/kelvon/sounds/checkmsgs.wav \
    usr/share/kelvon/sounds/Alert.wav usr/share/kelvon/sounds/Keytry.wav \
    usr/share/kelvon/sounds/Keyhaw.wav usr/lib/kelvon/libkelvon_sound.so \
    usr/share/man/man1/kelvon.1.gz usr/share/man/man1/kelvon-launch.1.gz \
    usr/share/doc/kelvon/copyright usr/share/doc/kelvon/changelog.Debian.gz \
    usr/share/kelvon/translations/kelvon_{de,fr,es,it,pt_BR,nl,pl,ru,uk,zh_CN,ja,ar}.qm \
    usr/bin/kelvon-sync usr/share/man/man1/kelvon-sync.1.gz usr/lib/systemd/user/kelvon-sync.service; do
    check "installs /$f" test -s "$root/$f"
done
check "the metainfo is valid" appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
check "the metainfo's release is the project's version" \
    grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml"
check "the metainfo's launchable is the desktop entry" appstreamcli validate-tree --no-net "$root"
for entry in "usr/share/applications/$id.desktop" usr/share/kelvon/kelvon-autostart.desktop; do
    check "/$entry is valid" desktop-file-validate "$root/$entry"
    check "/$entry is translated" grep -qx 'Comment\[ja\]=.*リマインダー.*' "$root/$entry"
done
check "the metainfo's summary is translated" \
    grep -q '<summary xml:lang="de">Erinnerungen' "$root/usr/share/metainfo/$id.metainfo.xml"
check "the unpacked Kelvon finds its translations beside itself" \
    bash -c "LANGUAGE=de '$root/usr/bin/kelvon' --help | grep -q '^Kelvon: Erinnerungen und ein Wecker'"
check "kelvon-sync links no Qt Widgets" \
    bash -c "! readelf -d '$root/usr/bin/kelvon-sync' | grep -q Widgets"
check "the user unit runs kelvon-sync --watch" grep -qx 'ExecStart=kelvon-sync --watch' "$root/usr/lib/systemd/user/kelvon-sync.service"
for f in usr/bin/kelvon usr/bin/kelvon-sync usr/lib/kelvon/libkelvon_sound.so; do
    check "/$f carries no debug information" bash -c "! readelf -S '$root/$f' | grep -q '\.debug_'"
    # No folder of the build tree is compiled in: any local user could plant a library there.
    # Source file names are no place to look in (a debug or sanitizer build keeps them).
    check "/$f names no build or source folder" bash -c "! strings '$root/$f' |
        grep -F -e '$build' -e '$source_dir/' | grep -qEv '\.(cpp|h|moc)$'"
done

if [ "$(id -u)" -eq 0 ]; then
    # Another build's package test would install the same package: one at a time.
    exec 9<"${BASH_SOURCE[0]}"
    flock -w 900 9
fi
if [ "$(id -u)" -eq 0 ] && dpkg-query -W -f='${db:Status-Status}' kelvon 2>/dev/null | grep -qx installed; then
    echo "note: kelvon is installed on this machine; run from the unpacked package, not installed"
elif [ "$(id -u)" -eq 0 ]; then
    installed=1
    LC_ALL=C apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" \
        >"$work/install.log" 2>&1
    check "apt-get installs the package" test $? -eq 0
    check "the install's own log names kelvon as new" grep -qx kelvon <(newly_installed "$work/install.log")
    # Its files, and the folders that are its own.
    dpkg -L kelvon | while read -r f; do [ -d "$f" ] && [[ "$f" != */kelvon ]] || echo "$f"; done >"$work/files"
    root=""
fi
prefix="$root/usr"
module="$prefix/lib/kelvon/libkelvon_sound.so"

if [ -z "$root" ]; then
    check "kelvon is on the PATH" test "$(command -v kelvon)" = /usr/bin/kelvon
    if grep -qs '^path-exclude.*/usr/share/man' /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d/*; then
        echo "note: dpkg on this machine is set to leave out manual pages"
    else
        check "man finds kelvon(1)" bash -c "man -P cat kelvon | grep -q Kelvo.dat"
        check "man finds kelvon-launch(1)" bash -c "man -P cat kelvon-launch | grep -q XDG_DATA_HOME"
        check "man finds kelvon-sync(1)" bash -c "man -P cat kelvon-sync | grep -q sync.conf"
    fi
    # A private cache: the machine's own stays as it was.
    check "AppStream finds the metainfo" \
        bash -c "appstreamcli get --no-cache --cachepath '$work/swcatalog' '$id' | grep -q 'Identifier: $id'"
fi
icon="$(sed -n 's/^Icon=//p' "$prefix/share/applications/$id.desktop")"
check "the icon theme holds the entry's icon ($icon)" \
    bash -c "ls '$prefix'/share/icons/hicolor/*/apps/'$icon'.{svg,png} 2>/dev/null | grep -q ."

# The desktop entry's command starts Kelvon in the user's data folder, created when missing.
exec_line="$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")"
check "the autostart entry starts the same command" \
    test "$(sed -n 's/^Exec=//p' "$prefix/share/kelvon/kelvon-autostart.desktop")" = "$exec_line"
export HOME="$work/home" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=offscreen
data="$XDG_DATA_HOME/kelvon"
mkdir -p "$HOME"
check "--version prints the project's version" \
    test "$(cd "$work" && timeout 10 "$prefix/bin/kelvon" --version 2>&1)" = "Kelvon $version"
start() { # log name
    (cd "$work" && PATH="$prefix/bin:$PATH" exec sh -c "exec $exec_line") >"$work/$1.log" 2>&1 &
    pid=$!
}
stop() { # sets code
    kill -TERM "$pid"
    code=124
    for _ in $(seq 1 50); do
        if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; code=$?; break; fi
        sleep 0.1
    done
    pid=""
}
start run
for _ in $(seq 1 50); do [ -f "$data/Kelvo.dat" ] && break; sleep 0.1; done
check "creates Kelvo.dat in the data folder" test -f "$data/Kelvo.dat"
check "the data file has 227 lines" test "$(grep -c $'\r$' "$data/Kelvo.dat")" -eq 227
check "copies the help file beside it" test -f "$data/KELVON.HLP"
check "the data folder is private" test "$(stat -c %a "$data")" = 700
stop
check "ends cleanly when told to (exit code $code)" test "$code" -eq 0

# A due reminder with a sound chosen: the installed sound module is the one loaded.
due() {
    {
        printf '"%s"\r\n' "THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH." \
            "DELETE FILE COMPLETELY IF PROBLEM ARISES."
        printf '#TRUE#,#FALSE#,#FALSE#,#FALSE#\r\n'
        printf '"%s"\r\n"Package check"\r\n"00:00:00"\r\n0\r\n0\r\n0\r\n0\r\n' "$(date +%m/%d/%y)"
        for _ in $(seq 2 32); do printf '""\r\n""\r\n""\r\n0\r\n0\r\n0\r\n0\r\n'; done
    } >"$data/Kelvo.dat"
}
fired() { test "$(sed -n 10p "$data/Kelvo.dat")" = $'1\r'; }
due
start run2
for _ in $(seq 1 50); do fired && break; sleep 0.1; done
check "the reminder fired" fired
check "the installed sound module is loaded" grep -q "$module" "/proc/$pid/maps"
stop
check "ends cleanly after a sound (exit code $code)" test "$code" -eq 0

# With the installed module gone, the one in the build tree is not a stand-in.
mv "$module" "$work/module.so" && moved="$work/module.so"
due
start run3
for _ in $(seq 1 50); do fired && break; sleep 0.1; done
check "without its module the reminder still fires" fired
for _ in $(seq 1 50); do grep -q "sound module was not found" "$work/run3.log" && break; sleep 0.1; done
check "and sounds stay silent, said once on stderr" grep -q "sound module was not found" "$work/run3.log"
check "no other module is loaded in its place" bash -c "! grep -q kelvon_sound /proc/$pid/maps"
stop
mv "$moved" "$module" && moved=""

if [ -n "$installed" ]; then
    (cd "$data" && find . -type f -exec sha256sum {} + | sort) >"$work/data-before"
    check "apt-get purges the package" apt-get purge -y -q -o DPkg::Lock::Timeout=300 kelvon
    check "every installed file is gone" bash -c "! xargs -r -d '\n' ls -d <'$work/files' 2>/dev/null | grep -q ."
    check "the data folder and its Kelvo.dat are untouched" \
        diff "$work/data-before" <(cd "$data" && find . -type f -exec sha256sum {} + | sort)
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
