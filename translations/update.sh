#!/usr/bin/env bash
# update.sh [CATALOGUE...]: brings the catalogues (by default every
# translations/marbix_*.ts) up to date with the texts of the code and of the
# string table res/strings.txt, and the words drawn into pictures; new texts come in unfinished, texts gone from
# the code are marked vanished.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The string table as marked texts, so that the catalogue tools can read it.
awk -F '\t' -f "$root/translations/marked_strings.awk" "$root/res/strings.txt" >"$work/strings.cpp"
[ $# -gt 0 ] || set -- "$root"/translations/marbix_*.ts
"$lupdate" -silent -locations none -no-obsolete "$root/app" "$root/view" "$root/score" \
    "$root/platform" "$root/tools/gen-assets/picture_words.h" "$work/strings.cpp" -ts "$@"
