#!/usr/bin/env bash
# command_line_test.sh MARBIX VERSION: --help and --version answer without a
# display (the toolkit would abort without one), anything else is refused;
# both speak the locale's language where a catalogue is shipped, and English,
# as written, elsewhere.
set -u
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_MESSAGES LANGUAGE
export LANG=C.UTF-8
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
check 'one.marbix-game two.marbix-game' 2 '^$' "^marbix: unexpected argument 'two.marbix-game'"
check '-style' 2 '^$' "^marbix: missing value after '-style'"
english=$(timeout 10 "$marbix" --help)
[ "$english" = "Usage: marbix [--help | --version] [FILE]
Move coloured balls into rows of five on a 9 x 9 board.

  --help     show this help and exit
  --version  show the version and exit
  FILE       watch a recorded game (marbix-headless --verify FILE checks one)

Keys: arrows and Space or Return play the board, F2 starts,
F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.
Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over
the board, zoom the board; Ctrl+0 shows it at its own size." ] || { echo "English --help changed"; status=1; }
LANG=sv_SE.UTF-8 check --help 0 '^Usage: marbix .*F1 about\..Ctrl\+plus.*own size\.$' '^$'
LANG=pl_PL.UTF-8 check --help 0 '^Użycie: marbix .*F1 o programie\..Ctrl\+plus i Ctrl\+minus.*pierwotny rozmiar\.$' '^$'
LANG=zh_CN.UTF-8 check --bogus 2 '^$' "^marbix: 未知选项 '--bogus'.*“marbix --help”"
LANG=pt_BR.UTF-8 check '-style' 2 '^$' "^marbix: falta um valor depois de '-style'"
exit $status
