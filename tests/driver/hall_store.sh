#!/usr/bin/env bash
# hall_store.sh DRIVER: results stored by the driver where the profile is
# shared by two copies, damaged, or cannot be written.
set -u
driver=$(cd "$(dirname "$1")" && pwd)/$(basename "$1") work=$(mktemp -d) fail=0
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
bad() { echo "FAIL: $*"; fail=1; }
game() { # NAME: a game of 10 points, ended and named NAME
    printf 'name %s\nseed 9\nstart\n' "$1"
    printf 'click %s\n' 10010 10061 10052 10067 10055 10077 10010 10039 10037 10068 10009 10037
    printf 'stop\nshow\n'
}
table() { # NAME SCORE ...: a HISCORES section
    echo "[HISCORES]"
    for ((i = 0; $# > 0; i++)); do echo "PLAYER$i=$1" && echo "SCORE$i=$2" && shift 2; done
}
# As a user whom permissions hold, also when the tests run as root.
as_user() { if [ "$(id -u)" = 0 ]; then setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; else "$@"; fi; }

# Two copies finish at the same moment: both results and the 18 older ones stay.
old=() lost=0
for i in $(seq 18); do old+=("Old$i" $((200 - i))); done
for round in $(seq 25); do
    table "${old[@]}" >"$work/two.INI"
    for who in A B; do
        { game "$who$round" | head -n -2; sleep 0.3; echo stop; } | "$driver" --profile "$work/two.INI" >/dev/null &
    done
    wait
    lost=$((lost + $(table "${old[@]}" | grep -cvxFf "$work/two.INI")))
    [ "$(grep -cx "PLAYER1[89]=[AB]$round" "$work/two.INI")" = 2 ] || lost=$((lost + 1))
done
[ $lost = 0 ] || bad "two copies at once: $lost results lost in 25 rounds"

# A profile that cannot take the result: the player is told, with the path and
# the reason, hears no cue of a stored result, and the list does not show it.
refuse() { # CASE PATH REASON [RUNNER...]
    local case=$1 path=$2 reason=$3 out
    shift 3
    out=$(game Ace | "$@" "$driver" --profile "$path" 2>"$work/err")
    local msg="message \"Your result could not be saved in the hall of fame: $path: $reason\""
    grep -qxF "$msg" <<<"$out" || bad "$case: no '$msg' in: $(grep message <<<"$out")"
    grep -qE '^cue 15[34]$' <<<"$out" && bad "$case: a stored result's cue"
    [ "$case" != "full disk" ] && grep -qE '^cue 1(49|50)$' <<<"$out" && bad "$case: a climbing cue"
    grep -q 'Ace' <<<"$out" && bad "$case: the list shows the result"
    [ -s "$work/err" ] && bad "$case: $(cat "$work/err")"
}
mkdir -p "$work/ro" "$work/dir.INI" && table Old 5 >"$work/ro/hall.INI" && chmod 555 "$work/ro"
if as_user true; then
    refuse "read-only folder" "$work/ro/hall.INI" "Permission denied" as_user
else
    echo "read-only folder: skipped, no other user to run as"
fi
mkfifo "$work/fifo.INI" && refuse "FIFO" "$work/fifo.INI" "Not a regular file"
refuse "folder" "$work/dir.INI" "Is a directory"
ln -s loop.INI "$work/loop.INI" && refuse "link loop" "$work/loop.INI" "Too many levels of symbolic links"
ln -s missing.INI "$work/dangling.INI"
refuse "dangling link" "$work/dangling.INI" "No such file or directory (a symbolic link to a missing file)"
[ -L "$work/dangling.INI" ] && [ ! -e "$work/missing.INI" ] || bad "the dangling link was replaced"
table Old 5 >"$work/ro.INI" && chmod 444 "$work/ro.INI"
refuse "read-only file" "$work/ro.INI" "Permission denied"
[ "$(table Old 5)" = "$(cat "$work/ro.INI")" ] || bad "the read-only file was changed"
# A link that another user put in a shared folder, to a file of the player's.
if [ "$(id -u)" = 0 ] && as_user true; then
    mkdir -m 1777 "$work/shared" && mkdir "$work/own" && table Old 5 >"$work/own/mine.txt"
    chown -R nobody "$work/own" && ln -s "$work/own/mine.txt" "$work/shared/hall.INI"
    chown -h 54321 "$work/shared/hall.INI"
    refuse "another user's link" "$work/shared/hall.INI" \
        "Permission denied (a symbolic link of another user)" as_user
    [ "$(table Old 5)" = "$(cat "$work/own/mine.txt")" ] || bad "another user's link was followed"
    [ "$(ls -A "$work/shared" "$work/own" | grep -c 'lock\|saving\|damaged')" = 0 ] ||
        bad "another user's link: files left"
else
    echo "another user's link: skipped, needs root to plant it"
fi
[ "$(ls "$work" | grep -c 'lock\|saving')" = 0 ] || bad "files left: $(ls "$work")"

# A full disk, on a small file system of our own where mounting is allowed.
full() {
    mount -t tmpfs -o size=64k tmpfs "$work/full" || exit 77
    table Old 5 >"$work/full/hall.INI"
    { table Old 5 && printf 'junk\0\n'; } | tee "$work/bad.before" >"$work/full/bad.INI"
    cat /dev/zero >"$work/full/filler" 2>/dev/null
    refuse "full disk" "$work/full/hall.INI" "No space left on device"
    [ "$(table Old 5)" = "$(cat "$work/full/hall.INI")" ] || bad "full disk: the file changed"
    # A damaged file stays in place, and readable, until a fresh one can be written.
    refuse "full disk" "$work/full/bad.INI" "No space left on device"
    for run in 1 2; do
        out=$(echo show | "$driver" --profile "$work/full/bad.INI" 2>&1)
        grep -q '^   1  Old  *5$' <<<"$out" || bad "damaged on a full disk, run $run: $out"
    done
    cmp -s "$work/full/bad.INI" "$work/bad.before" || bad "damaged on a full disk: the file moved"
    exit $fail
}
mkdir "$work/full"
export -f full refuse bad game table
export work driver fail
status=77
unshare -rm true 2>/dev/null && { unshare -rm bash -c full 2>/dev/null; status=$?; }
[ $status = 77 ] && echo "full disk: skipped, no file system can be mounted here"
[ $status = 0 ] || [ $status = 77 ] || fail=1

# Whatever the last line of the file ends with, a result saved after it is read back.
for end in '\r' ''; do
    for eol in '\n' '\r\n'; do
        printf "[HISCORES]${eol}PLAYER0=Ace${eol}SCORE0=50${end}" >"$work/ends.INI"
        game Alice | "$driver" --profile "$work/ends.INI" >/dev/null 2>&1
        out=$(echo show | "$driver" --profile "$work/ends.INI" 2>&1)
        grep -q '^   2  Alice  *10$' <<<"$out" && grep -q '^   1  Ace  *50$' <<<"$out" ||
            bad "a file ending in '$end' with lines ending in '$eol': $out"
    done
done

# A file that cannot be read whole is set aside, and the next result is kept.
profile=$work/damaged.INI
for what in "binary data" "over 1 MiB"; do
    rm -f "$profile" "$profile".damaged
    [ "$what" = "binary data" ] && head -c 1048576 /dev/urandom >"$profile"
    [ "$what" = "over 1 MiB" ] && { table Old 5 && yes 'filler=a line of text' | head -c 1048576; } >"$profile"
    cp "$profile" "$work/damaged.before"
    game Alice | "$driver" --profile "$profile" >/dev/null 2>"$work/err"
    line="marbix-headless: $profile could not be read whole ($what); it is kept as"
    [ "$(cat "$work/err")" = "$line $profile.damaged and a fresh profile is started" ] || bad "$what: $(cat "$work/err")"
    cmp -s "$profile.damaged" "$work/damaged.before" || bad "$what: not kept whole"
    out=$(echo show | "$driver" --profile "$profile" 2>&1)
    grep -q '^   1  Alice  *10$' <<<"$out" || bad "$what: the result is lost: $out"
    [ "$what" = "binary data" ] || grep -q '^   2  Old  *5$' <<<"$out" || bad "$what: Old lost"
done
exit $fail
