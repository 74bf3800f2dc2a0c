#!/usr/bin/env bash
# run-case.sh DRIVER CASE: runs CASE.script through DRIVER and compares.
#
# Standard output must equal CASE.out, standard error CASE.err (empty when
# absent), and the exit status the number in CASE.status (0 when absent).
# CASE.args holds extra command-line words.
#
# With CASE.profile the driver also gets --profile FILE, FILE starting as a
# copy of CASE.profile-before (or absent), and must end equal to CASE.profile.
# CASE.again, if present, is then run against the same file, must print
# CASE.again.out and leave the file as it was.
#
# The driver runs in an empty directory that is also its HOME and config
# directory: it must leave nothing there but the profile file it was given.
set -u
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
driver=$(absolute "$1")
case=$(absolute "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"

args=()
[ -f "$case.args" ] && read -ra args <"$case.args"
profile="$work/home/hall.INI"
if [ -f "$case.profile" ]; then
    args+=(--profile "$profile")
    [ -f "$case.profile-before" ] && cp "$case.profile-before" "$profile"
fi

fail=0
# run SCRIPT EXPECTED-OUT: one run of the driver in the empty directory.
run() {
    (cd "$work/home" && "$driver" "${args[@]}" <"$1" >"$work/out" 2>"$work/err")
    status=$?
    diff -u "$2" "$work/out" || fail=1
}

run "$case.script" "$case.out"
if [ -f "$case.err" ]; then
    diff -u "$case.err" "$work/err" || fail=1
elif [ -s "$work/err" ]; then
    echo "unexpected standard error:"
    cat "$work/err"
    fail=1
fi
expected=0
[ -f "$case.status" ] && expected=$(cat "$case.status")
if [ "$status" != "$expected" ]; then
    echo "exit status $status, expected $expected"
    fail=1
fi

if [ -f "$case.profile" ]; then
    diff -u "$case.profile" "$profile" || fail=1
    if [ -f "$case.again" ]; then
        run "$case.again" "$case.again.out"
        [ "$status" = 0 ] && [ ! -s "$work/err" ] || { echo "second run failed:"; cat "$work/err"; fail=1; }
        diff -u "$case.profile" "$profile" || fail=1
    fi
fi

left=$(cd "$work/home" && find . -mindepth 1 ! -path ./hall.INI)
if [ -n "$left" ]; then
    echo "files left behind:"
    echo "$left"
    fail=1
fi
exit $fail
