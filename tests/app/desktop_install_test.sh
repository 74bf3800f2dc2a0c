#!/usr/bin/env bash
# Installs the build into a staging folder and checks that everything a
# desktop needs is in its place, and that the desktop entry and the metainfo
# are valid.
set -eu
build=$1
source=$2
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$build" --prefix /usr/local >/dev/null
root=$stage/usr/local
status=0
expect() {
    if [ ! -s "$root/$1" ]; then
        echo "missing: $1"
        status=1
    fi
}
expect bin/marbix
expect share/marbix/MarbixX.snd
expect "$(cd "$root" && ls -d lib*/marbix 2>/dev/null | head -n 1)/marbix-sound.so"
expect share/applications/marbix.desktop
expect share/metainfo/org.marbix.Marbix.metainfo.xml
expect share/man/man6/marbix.6
expect share/marbix/translations/marbix_de.qm
expect share/marbix/translations/marbix_fr.qm
for size in 16 24 32 48 64 128 256; do
    expect share/icons/hicolor/${size}x${size}/apps/marbix.png
done
expect share/icons/hicolor/scalable/apps/marbix.svg
[ -x "$root/bin/marbix" ] || { echo "not executable: bin/marbix"; status=1; }

# The icons are of the size their folder says.
for size in 16 24 32 48 64 128 256; do
    png=$root/share/icons/hicolor/${size}x${size}/apps/marbix.png
    [ -s "$png" ] || continue
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || { echo "icon $size is $dims"; status=1; }
done

grep -qx 'Categories=Game;LogicGame;' "$root/share/applications/marbix.desktop" ||
    { echo "desktop entry: wrong categories"; status=1; }
desktop-file-validate "$root/share/applications/marbix.desktop" || status=1
appstreamcli validate --no-net "$root/share/metainfo/org.marbix.Marbix.metainfo.xml" >/dev/null ||
    { appstreamcli validate --no-net "$root/share/metainfo/org.marbix.Marbix.metainfo.xml"; status=1; }
command -v man >/dev/null && man -l "$root/share/man/man6/marbix.6" 2>&1 >/dev/null | grep . && status=1
exit $status
