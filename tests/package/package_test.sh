#!/usr/bin/env bash
# The Debian package, built from a clean copy of the source (or $MARBIX_DEB),
# checked by lintian, installed into a throwaway root that borrows the host's
# packages, started under Xvfb in German with a sound server of its own, heard
# starting a game, and purged without a trace.
set -eu
work=$(mktemp -d) root=$work/root pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "package_test: $*" >&2 && exit 1; }
dpkg_root() { # quiet unless it fails: the host's files are not listed in the root
    dpkg --root="$root" --log=/dev/null "$@" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg $*"; }
}
mapped() { grep -q "$root/$1" "/proc/$game/maps"; }
heard() { od -An -td2 -w2 -v "$work/take.raw" | awk '$1 > 1000 || $1 < -1000 { n++ } END { exit n < 100 }'; }
within_10s() { for _ in $(seq 100); do "$@" && return; sleep 0.1; done && "$@"; }

deb=${MARBIX_DEB:-}
if [ -z "$deb" ]; then # the tests that would run inside the build are this run's own
    mkdir "$work/src"
    tar -C "$1" --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude=./out -c . | tar -C "$work/src" -x
    (cd "$work/src" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -b -us -uc \
        >"$work/build.log" 2>&1) || { tail -n 40 "$work/build.log"; fail "the package does not build"; }
    deb=$(ls "$work"/marbix_*_"$(dpkg --print-architecture)".deb)
fi
lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" && cp /var/lib/dpkg/status "$root/var/lib/dpkg/"
touch "$root/var/lib/dpkg/available"
dpkg_root -i "$deb"

# One version everywhere, valid desktop files.
share=$root/usr/share app=io.github.marbix.marbix version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$share/metainfo/$app.metainfo.xml" || fail "no release $version"
zgrep -q "\"Marbix $version\"" "$share/man/man6/marbix.6.gz" || fail "man page not of $version"
desktop-file-validate "$share/applications/$app.desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$share/metainfo/$app.metainfo.xml" >"$work/as" ||:
tail -n 1 "$work/as" | grep -q 'successful\.$' || { cat "$work/as"; fail "metainfo"; }

# The player's session: a home, the installed data only, a sound server, a display.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_DATA_DIRS=$share PULSE_SERVER=unix:$work/native
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
pulseaudio --daemonize=no --system=no -n --exit-idle-time=-1 --disable-shm=yes \
    --load="module-null-sink sink_name=marbix_test" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>"$work/pulse.log" & pids+=($!)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null & pids+=($!)
within_10s test -S "$work/native" -a -s "$work/display" || fail "no sound server or no display"
export DISPLAY=:$(cat "$work/display")
parecord --device=marbix_test.monitor --raw --format=s16le --channels=1 --rate=8000 "$work/take.raw" 2>/dev/null & pids+=($!)
inotifywait -e access "$share/games/marbix/MarbixX.snd" >"$work/module" 2>"$work/watch" & pids+=($!)
within_10s grep -q established "$work/watch" # the module is read, not mapped: watch it
LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 "$root/usr/games/marbix" & game=$! && pids+=($game)
win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game" | head -n 1) || fail "no window"
class=$(sed -n 's/^StartupWMClass=//p' "$share/applications/$app.desktop")
xprop -id "$win" WM_CLASS | grep -q "\"$class\"" || fail "WM_CLASS is not $class"
within_10s mapped usr/lib/marbix/marbix-sound.so || fail "sound plugin not loaded"
grep -q '/libpulse\.so' "/proc/$game/maps" && dpkg-deb -f "$deb" Depends | grep -q 'libpulse0 ' ||
    fail "the plugin's libpulse is not mapped or not a dependency"
[ -s "$work/module" ] || fail "sound module not read"
mapped usr/share/games/marbix/translations/marbix_de.qm || fail "German catalogue not loaded"
timeout 10 xdotool windowfocus --sync "$win" key F2 # Start: its cue must be heard
within_10s heard || fail "the start of a game is not heard"

dpkg_root --purge marbix
left=$(cd "$root" && find . -mindepth 1 -not -path './var/lib/dpkg*' -not -path ./var -not -path ./var/lib &&
    find var/lib/dpkg/info -name 'marbix*')
[ -z "$left" ] || fail "left behind: $left"
