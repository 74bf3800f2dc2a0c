#!/usr/bin/env bash
# The installed copy: installs the build into a staging folder (the package
# test checks the desktop files), starts the installed program under Xvfb with
# a private sound server (a null sink), checks that it mapped its plugin, that
# a cue reaches the server, and that it ends promptly, writing its profile,
# while the server hangs; then runs the whole-session sound test on the
# installed plugin and module.
#   installed_test.sh BUILD_DIR SESSION_TEST PREFIX BINDIR
set -u
build=$1 session_test=$2 prefix=$3 bindir=$4
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -CONT "$pid" 2>/dev/null; kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The configured prefix: the program's relative paths were worked out from it.
DESTDIR=$work/stage cmake --install "$build" --prefix "$prefix" >/dev/null || fail "install"
case $bindir in /*) ;; *) bindir=$prefix/$bindir ;; esac
program_dir=$work/stage$bindir
[ -x "$program_dir/marbix" ] || fail "no program in $program_dir"

for tool in Xvfb openbox xdotool xprop pulseaudio pactl; do
    command -v $tool >/dev/null || { echo "$tool is not installed: skipping"; exit 77; }
done

# A private sound server, a screen and a window manager.
mkdir -p "$work/run/pulse" "$work/config" "$work/home"
export XDG_RUNTIME_DIR=$work/run PULSE_RUNTIME_PATH=$work/run/pulse HOME=$work/home
export XDG_CONFIG_HOME=$work/config PULSE_SERVER=unix:$work/native PULSE_STATE_PATH=$work/run
pulseaudio --daemonize=no --system=no -n --exit-idle-time=-1 --disallow-exit \
    --log-target=stderr --load="module-null-sink sink_name=marbix_test" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2>"$work/pulse.log" &
server=$!
pids+=($server)
for _ in $(seq 100); do [ -S "$work/native" ] && break; sleep 0.05; done
[ -S "$work/native" ] || { echo "pulseaudio cannot start here: skipping"; exit 77; }
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null &
pids+=($!)
read -r -t 10 display <&3 || fail "Xvfb did not start"
export DISPLAY=:$display
openbox --sm-disable 2>/dev/null &
pids+=($!)
for _ in $(seq 250); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.02
done

QT_QPA_PLATFORM=xcb "$program_dir/marbix" 2>"$work/marbix.log" &
game=$!
pids+=($game)
window=
for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --pid $game 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || fail "no window on $DISPLAY: $(tail -n 5 "$work/marbix.log"; xwininfo -root -tree | grep -i marbix)"
plugin=$(grep -o "/[^ ]*marbix-sound.so" /proc/$game/maps 2>/dev/null | head -n 1)
for _ in $(seq 100); do
    [ -n "$plugin" ] && break
    sleep 0.05
    plugin=$(grep -o "/[^ ]*marbix-sound.so" /proc/$game/maps 2>/dev/null | head -n 1)
done
case $plugin in "$work/stage/"*) echo "plugin mapped: $plugin" ;; *) fail "plugin not mapped: '$plugin'" ;; esac

# Start (F2) sounds the start cue: its stream reaches the server.
xdotool windowactivate --sync "$window" key --clearmodifiers F2
heard=
for _ in $(seq 60); do
    pactl list sink-inputs 2>/dev/null | grep -q 'application.name = "Marbix"' && { heard=1; break; }
    sleep 0.05
done
[ -n "$heard" ] || fail "no cue reached the server"
echo "a cue reached the server"

# The server hangs; a cue during the hang, then the window is closed.
kill -STOP $server
xdotool key --clearmodifiers F3
sleep 0.3
start=$(date +%s%N)
xdotool key --clearmodifiers alt+F4
wait $game
status=$?
ms=$((($(date +%s%N) - start) / 1000000))
echo "exit with the server hung: ${ms} ms, status $status"
[ $status -eq 0 ] || fail "exit status $status: $(tail -n 5 "$work/marbix.log")"
[ $ms -lt 1500 ] || fail "exit took $ms ms"
grep -qs "SOUND_ON" "$work/config/"*.INI "$work/config/"*/*.INI || fail "no profile written"
echo "profile written"

MARBIX_PROGRAM_DIR=$program_dir "$session_test" || fail "the session test on the installed copy"
