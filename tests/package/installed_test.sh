#!/usr/bin/env bash
# An installed copy played as a player would: the build staged under its
# prefix (stage), or the Debian package (deb) built from a clean copy of the
# source or taken from $MARBIX_DEB, linted, installed into a throwaway root that
# borrows the host's packages and purged without a trace at the end. The copy
# runs in German under Xvfb with a sound server of its own: it loads its
# plugin, module and catalogue, the start of a game is heard, and it ends
# promptly, keeping its profile, while the server hangs. Then the sound
# session test runs on the installed plugin and module.
#   installed_test.sh stage BUILD_DIR PREFIX SESSION_TEST
#   installed_test.sh deb SOURCE_DIR SESSION_TEST
set -eu
mode=$1 session_test=${!#} work=$(mktemp -d) pids=()
root=$work/root app=io.github.marbix.marbix
trap 'set +e; kill -CONT "${pids[@]}" 2>/dev/null; kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }
skip() { echo "$* here: skipping" && exit 77; }
dpkg_root() { # quiet unless it fails: the host's files are not listed in the root
    dpkg --root="$root" --log=/dev/null "$@" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg $*"; }
}
within_10s() { for _ in $(seq 100); do "$@" && return; sleep 0.1; done && "$@"; }
installed() { find "$root" -name "$1" "${@:2}" -print -quit; }
mapped() { grep -q "$1" "/proc/$game/maps"; }
heard() { od -An -td2 -w2 -v "$work/take.raw" | awk '$1 > 1000 || $1 < -1000 { n++ } END { exit n < 100 }'; }
if [ "$mode" = deb ]; then
    for tool in dpkg dpkg-buildpackage dpkg-deb lintian; do
        command -v $tool >/dev/null || skip "$tool is not installed"
    done
    [ "$(id -u)" -eq 0 ] || skip "no root rights for dpkg to install with"
fi
for tool in Xvfb openbox xdotool xprop pulseaudio parecord inotifywait desktop-file-validate appstreamcli update-mime-database; do
    command -v $tool >/dev/null || skip "$tool is not installed"
done

if [ "$mode" = stage ]; then
    DESTDIR=$root cmake --install "$2" --prefix "$3" >/dev/null || fail "install"
else
    deb=${MARBIX_DEB:-}
    if [ -z "$deb" ]; then # the tests that would run inside the build are this run's own
        mkdir "$work/src"
        tar -C "$2" --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude=./out -c . | tar -C "$work/src" -x
        (cd "$work/src" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -b -us -uc \
            >"$work/build.log" 2>&1) || { tail -n 40 "$work/build.log"; fail "the package does not build"; }
        deb=$(ls "$work"/marbix_*_"$(dpkg --print-architecture)".deb)
    fi
    lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings"
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" && cp /var/lib/dpkg/status "$root/var/lib/dpkg/"
    touch "$root/var/lib/dpkg/available"
    dpkg_root -i "$deb"
    version=$(dpkg-deb -f "$deb" Version)
    zgrep -q "\"Marbix $version\"" "$(installed marbix.6.gz)" || fail "man page not of $version"
    changelog=$(installed 'changelog*.gz' -path '*/doc/marbix/*') # a native package's is changelog.gz
    [ -n "$changelog" ] || fail "no changelog installed"
    released=$(zcat "$changelog" | sed -n 's/^ -- .*>  //p' | head -n 1)
    [ -n "$released" ] || fail "the changelog names no release date"
    date=$(date -u -d "$released" +%F) && grep -q "<release version=\"$version\" date=\"$date\"" \
        "$(installed $app.metainfo.xml)" || fail "metainfo not dated $date"
    zgrep -q "^\.TH MARBIX 6 \"$date\"" "$(installed marbix.6.gz)" || fail "man page not dated $date"
    dpkg-deb -f "$deb" Depends | grep -q 'libpulse0 ' || fail "libpulse is not a dependency"
fi
program=$(installed marbix -type f -perm -u+x) plugin=$(installed marbix-sound.so)
module=$(installed MarbixX.snd) catalogue=$(installed marbix_de.qm) desktop=$(installed $app.desktop)
[ -n "$program" ] && [ -n "$plugin" ] && [ -n "$module" ] && [ -n "$catalogue" ] && [ -n "$desktop" ] ||
    fail "not installed: '$program' '$plugin' '$module' '$catalogue' '$desktop'"
desktop-file-validate "$desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$(installed $app.metainfo.xml)" >"$work/as" ||:
tail -n 1 "$work/as" | grep -q 'successful\.$' || { cat "$work/as"; fail "metainfo"; }
# A shared game's file is known by its type, and the desktop entry opens it.
mime=$(installed $app.xml -path '*/mime/packages/*')
[ -n "$mime" ] || fail "no MIME type installed"
mkdir -p "$work/mime/packages" && cp "$mime" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -q ':application/x-marbix-game:\*\.marbix-game$' "$work/mime/globs2" || fail "no *.marbix-game type"
grep -qx 'MimeType=application/x-marbix-game;' "$desktop" || fail "the desktop entry opens no game file"

# The player's session: a home, the installed data only, a sound server, a screen.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config PULSE_SERVER=unix:$work/native
mkdir -p "$HOME" "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
pulseaudio --daemonize=no --system=no -n --exit-idle-time=-1 --disallow-exit --disable-shm=yes \
    --load="module-null-sink sink_name=marbix_test" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>"$work/pulse.log" &
server=$! && pids+=($server)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null & pids+=($!)
within_10s test -S "$work/native" || skip "pulseaudio cannot start"
within_10s test -s "$work/display" || fail "no display"
export DISPLAY=:$(cat "$work/display")
openbox --sm-disable 2>/dev/null & pids+=($!)
within_10s eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "no window manager"
parecord --device=marbix_test.monitor --raw --format=s16le --channels=1 --rate=8000 "$work/take.raw" 2>/dev/null & pids+=($!)
inotifywait -e access "$module" >"$work/module" 2>"$work/watch" & pids+=($!)
within_10s grep -q established "$work/watch" || fail "cannot watch the module" # read, not mapped
XDG_DATA_DIRS=${desktop%/applications/*} LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8 QT_QPA_PLATFORM=xcb "$program" 2>"$work/marbix.log" & game=$! && pids+=($game)
win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$game" | head -n 1) || fail "no window"
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
xprop -id "$win" WM_CLASS | grep -q "\"$class\"" || fail "WM_CLASS is not $class"
within_10s mapped "$plugin" || fail "sound plugin not loaded"
mapped '/libpulse\.so' || fail "the plugin's libpulse is not mapped"
[ -s "$work/module" ] || fail "sound module not read"
mapped "$catalogue" || fail "German catalogue not loaded"
timeout 10 xdotool windowactivate --sync "$win" key --clearmodifiers F2 # Start: its cue must be heard
within_10s heard || fail "the start of a game is not heard"

# The server hangs; a cue during the hang (Stop), then the window is closed.
kill -STOP $server
xdotool key --clearmodifiers F3 && sleep 0.3
start=$(date +%s%N) status=0
xdotool key --clearmodifiers alt+F4 && wait $game || status=$?
ms=$((($(date +%s%N) - start) / 1000000)) && kill -CONT $server
echo "exit with the server hung: $ms ms, status $status"
[ $status -eq 0 ] && [ $ms -lt 1500 ] || fail "exit: $(tail -n 5 "$work/marbix.log")"
grep -qs SOUND_ON "$XDG_CONFIG_HOME"/*.INI "$XDG_CONFIG_HOME"/*/*.INI || fail "no profile written"
kill "${pids[@]}" 2>/dev/null || :; wait; pids=() # the session test brings its own server
MARBIX_SOUND_PLUGIN=$plugin MARBIX_SOUND_MODULE=$module "$session_test" >"$work/session" 2>&1 &&
    ! grep -q SKIPPED "$work/session" || { cat "$work/session"; fail "the sound session"; }

if [ "$mode" = deb ]; then
    dpkg_root --purge marbix
    left=$(cd "$root" && find . -mindepth 1 -not -path './var/lib/dpkg*' -not -path ./var -not -path ./var/lib &&
        find var/lib/dpkg/info -name 'marbix*')
    [ -z "$left" ] || fail "left behind: $left"
fi
