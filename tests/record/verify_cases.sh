#!/usr/bin/env bash
# verify_cases.sh DRIVER CASES: plays every driver case with its games
# recorded, then verifies every record (each must reproduce), and checks that
# records edited by hand (a score raised, a click moved) do not.
set -u
driver=$1 cases=$2 work=$(mktemp -d) fail=0
trap 'rm -rf "$work"' EXIT
mkdir "$work/games" "$work/home"
for script in "$cases"/*.script; do
    (cd "$work/home" && HOME=$work/home "$driver" --games "$work/games" <"$script" >/dev/null 2>&1)
done
records=("$work"/games/*.marbix-game)
[ -e "${records[0]}" ] || { echo "no game was recorded"; exit 1; }
"$driver" --verify "${records[@]}" >"$work/out" || { cat "$work/out"; fail=1; }
echo "${#records[@]} recorded games verified"

# The record with the most points, edited.
best=$(grep -l '^score [1-9]' "${records[@]}" | head -n 1)
[ -n "$best" ] || { echo "no recorded game scored"; exit 1; }
sed 's/^score \([0-9]*\)$/score 1\1/' "$best" >"$work/raised.marbix-game"
out=$("$driver" --verify "$work/raised.marbix-game") && { echo "a raised score verified"; fail=1; }
echo "$out" | grep -q ': does not reproduce (the game comes to [0-9]* points)$' || { echo "$out"; fail=1; }
# The second click of the first move goes to another cell.
awk '/^click/ && ++n == 2 { $3 = ($3 + 1) % 9 } { print }' "$best" >"$work/moved.marbix-game"
"$driver" --verify "$work/moved.marbix-game" "$best" >/dev/null && { echo "a moved click verified"; fail=1; }
"$driver" --verify "$cases" >"$work/dir" && { echo "a folder verified"; fail=1; }
grep -q ': refused: Is a directory$' "$work/dir" || { cat "$work/dir"; fail=1; }
exit $fail
