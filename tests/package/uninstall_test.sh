#!/usr/bin/env bash
# Installing the build twice into a staging folder and uninstalling leaves the
# folder as it was: no file and no folder of the install stays, and what was
# there before (an empty folder the install also uses, another program's icon
# beside ours) is kept.
#   uninstall_test.sh SOURCE_DIR BUILD_DIR PREFIX
set -eu
source=$1 build=$2 prefix=$3
stage=$(mktemp -d)
# The build's own record of a real install is put back at the end.
for record in install_manifest.txt install_folders.txt; do
    [ ! -f "$build/$record" ] || cp "$build/$record" "$stage.$record"
done
trap 'rm -rf "$stage"; for r in install_manifest.txt install_folders.txt; do
    rm -f "$build/$r"; [ ! -f "$stage.$r" ] || mv "$stage.$r" "$build/$r"; done' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }
before() { (cd "$stage" && find . | LC_ALL=C sort); }

mkdir -p "$stage$prefix/share/applications" "$stage$prefix/share/icons/hicolor/48x48/apps"
touch "$stage$prefix/share/icons/hicolor/48x48/apps/other.png"
was=$(before)
for _ in 1 2; do
    DESTDIR=$stage "$source/scripts/installation.sh" install "$build" >/dev/null || fail "install"
done
installed=$(cd "$stage" && find . -type f | wc -l)
[ "$installed" -ge 10 ] && [ -x "$stage$prefix/bin/marbix" ] || fail "only $installed files installed"
DESTDIR=$stage "$source/scripts/installation.sh" uninstall "$build" || fail "uninstall"
left=$(diff <(echo "$was") <(before)) || fail "the staging folder changed: $left"
echo "installed $installed files and took them away, with the folders made for them"
