#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the source (or takes the one
# named by $MARBIX_DEB), checks it with lintian, installs it into a throwaway
# root whose dependencies are the host's packages, starts the installed game
# under Xvfb with a sound server of its own, starts a game and records its
# cue, then purges the package and looks for anything left behind.
set -eu
source=$1
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() {
    echo "package_test: $*" >&2
    exit 1
}

deb=${MARBIX_DEB:-}
if [ -z "$deb" ]; then
    # The tests that would run inside the build are this test run's own.
    mkdir "$work/src"
    tar -C "$source" --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude=./out -cf - . |
        tar -C "$work/src" -xf -
    (cd "$work/src" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" \
        dpkg-buildpackage -b -us -uc >"$work/build.log" 2>&1) ||
        { tail -n 40 "$work/build.log"; fail "the package does not build"; }
    deb=$(ls "$work"/marbix_*_"$(dpkg --print-architecture)".deb)
fi
lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings"

root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
cp /var/lib/dpkg/status "$root/var/lib/dpkg/status"
touch "$root/var/lib/dpkg/available"
dpkg --root="$root" --log=/dev/null -i "$deb" >/dev/null || fail "dpkg cannot install $deb"

# One version everywhere, valid desktop files.
app=io.github.marbix.marbix
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app.metainfo.xml" ||
    fail "the metainfo has no release $version"
zgrep -q "\"Marbix $version\"" "$root/usr/share/man/man6/marbix.6.gz" || fail "man page not of $version"
desktop-file-validate "$root/usr/share/applications/$app.desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$app.metainfo.xml" |
    tee "$work/appstream" | tail -n 1 | grep -q 'successful\.$' || { cat "$work/appstream"; fail "metainfo"; }

# The player's session: a home, the installed data only, a sound server, a display.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_DATA_DIRS=$root/usr/share
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share PULSE_SERVER=unix:$work/native
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
pulseaudio --daemonize=no --system=no -n --exit-idle-time=-1 --disable-shm=yes \
    --load="module-null-sink sink_name=marbix_test" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>"$work/pulse.log" &
pids+=($!)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/native" ] && [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
parecord --device=marbix_test.monitor --raw --format=s16le --channels=1 --rate=8000 "$work/take.raw" &
pids+=($!)

"$root/usr/games/marbix" &
game=$!
pids+=($game)
win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game" | head -n 1) || fail "no window"
class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$app.desktop")
xprop -id "$win" WM_CLASS | grep -q "\"$class\"" || fail "WM_CLASS is not $class"
for _ in $(seq 100); do grep -q "$root/usr/lib/marbix/marbix-sound.so" "/proc/$game/maps" && break; sleep 0.1; done
grep -q "$root/usr/lib/marbix/marbix-sound.so" "/proc/$game/maps" || fail "sound plugin not loaded"
grep -q "$root/usr/share/games/marbix/MarbixX.rcc" "/proc/$game/maps" || fail "sound module not loaded"
timeout 10 xdotool windowfocus --sync "$win" key F2 # Start: its cue must be heard
sleep 2
od -An -td2 -w2 -v "$work/take.raw" | awk '$1 > 1000 || $1 < -1000 { n++ } END { exit n < 100 }' ||
    fail "the start of a game is not heard"
kill "$game"

dpkg --root="$root" --log=/dev/null --purge marbix >/dev/null || fail "dpkg cannot remove marbix"
left=$(cd "$root" && find . -mindepth 1 -not -path './var/lib/dpkg*' -not -path ./var -not -path ./var/lib &&
    find var/lib/dpkg/info -name 'marbix*')
[ -z "$left" ] || fail "left behind: $left"
