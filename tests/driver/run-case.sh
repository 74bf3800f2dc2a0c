#!/usr/bin/env bash
# run-case.sh DRIVER CASE: runs CASE.script through DRIVER and compares.
set -u
driver=$1
case=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

"$driver" <"$case.script" >"$out" 2>"$err"
status=$?

fail=0
diff -u "$case.out" "$out" || fail=1
if [ -f "$case.err" ]; then
    diff -u "$case.err" "$err" || fail=1
elif [ -s "$err" ]; then
    echo "unexpected standard error:"
    cat "$err"
    fail=1
fi
expected=0
[ -f "$case.status" ] && expected=$(cat "$case.status")
if [ "$status" != "$expected" ]; then
    echo "exit status $status, expected $expected"
    fail=1
fi
exit $fail
