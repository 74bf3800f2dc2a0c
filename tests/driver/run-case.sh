#!/usr/bin/env bash
# run-case.sh DRIVER CASE: runs CASE.script through DRIVER, with the words in
# CASE.args, in an empty directory that is also its HOME; nothing but the
# profile may be left there. Standard output must equal CASE.out, standard
# error CASE.err and the exit status CASE.status (empty and 0 when absent).
# With CASE.profile the driver gets --profile FILE, FILE starting as
# CASE.profile-before (or absent) and ending as CASE.profile; CASE.again is
# then run against it the same way, its output compared with CASE.again.out.
set -u
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
driver=$(absolute "$1") case=$(absolute "$2") work=$(mktemp -d) args=() fail=0
trap 'rm -rf "$work"' EXIT
home=$work/home profile=$work/home/hall.INI
mkdir "$home"
export HOME=$home XDG_CONFIG_HOME=$home/.config
[ -f "$case.args" ] && read -ra args <"$case.args"
if [ -f "$case.profile" ]; then
    args+=(--profile "$profile")
    [ -f "$case.profile-before" ] && cp "$case.profile-before" "$profile"
fi

# run SCRIPT EXPECTED: one run in the empty directory, compared with
# EXPECTED.out, EXPECTED.err and EXPECTED.status (and the profile).
run() {
    (cd "$home" && "$driver" "${args[@]}" <"$1" >"$work/out" 2>"$work/err")
    local status=$?
    diff -u "$2.out" "$work/out" || fail=1
    diff -u --label "$2.err" <(cat "$2.err" 2>/dev/null) "$work/err" || fail=1
    [ "$status" = "$(cat "$2.status" 2>/dev/null || echo 0)" ] || { echo "exit status $status"; fail=1; }
    [ ! -f "$case.profile" ] || diff -u "$case.profile" "$profile" || fail=1
}

run "$case.script" "$case"
[ -f "$case.again" ] && run "$case.again" "$case.again"
left=$(cd "$home" && find . -mindepth 1 ! -path ./hall.INI)
[ -z "$left" ] || { echo "files left behind: $left"; fail=1; }
exit $fail
