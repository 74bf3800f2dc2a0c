#!/usr/bin/env bash
# command_line_test.sh MARBIX VERSION: --help and --version answer without a
# display (the toolkit would abort without one), anything else is refused.
set -u
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
marbix=$1 status=0
check() { # ARGS EXPECTED-STATUS OUT-PATTERN ERR-PATTERN
    out=$(timeout 10 "$marbix" $1 2>/dev/null) && code=0 || code=$?
    err=$(timeout 10 "$marbix" $1 2>&1 >/dev/null)
    [ "$code" = "$2" ] || { echo "marbix $1: status $code, not $2"; status=1; }
    [[ $out =~ $3 ]] || { echo "marbix $1: output '$out'"; status=1; }
    [[ $err =~ $4 ]] || { echo "marbix $1: error output '$err'"; status=1; }
}
check --version 0 "^marbix $2\$" '^$'
check --help 0 '^Usage: marbix .*--version.*F4 skips, F5 pauses.*Ctrl\+plus and Ctrl\+minus.*Ctrl\+0' '^$'
check '--help --bogus' 0 '^Usage: marbix' '^$'
check --bogus 2 '^$' "^marbix: unknown option '--bogus'.*marbix --help"
check 'stray' 2 '^$' "^marbix: unexpected argument 'stray'"
check '-style' 2 '^$' "^marbix: missing value after '-style'"
exit $status
