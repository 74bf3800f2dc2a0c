#!/usr/bin/env bash
# Installs a build stripped into its prefix (under $DESTDIR when set) and
# takes it away again:
#   installation.sh install BUILD     install, noting the folders it makes
#   installation.sh uninstall BUILD   remove what the last install put in
#                                     place (under the same $DESTDIR), and
#                                     the folders it made
# Before installing, a trial install into a scratch folder shows which folders
# the install needs; those missing yet are noted in BUILD/install_folders.txt.
# Uninstalling removes the noted folders once empty, deepest first: a folder
# that was there before the install, or that now holds other files, stays.
set -eu
action=$1 build=$2
manifest=$build/install_manifest.txt noted=$build/install_folders.txt
export LC_ALL=C

case $action in
install)
    trial=$(mktemp -d)
    trap 'rm -rf "$trial"' EXIT
    DESTDIR=$trial cmake --install "$build" >/dev/null
    {
        [ ! -f "$noted" ] || cat "$noted"
        (cd "$trial" && find . -mindepth 1 -type d | sed 's|^\.||') | while IFS= read -r dir; do
            [ -d "${DESTDIR:-}$dir" ] || printf '%s\n' "${DESTDIR:-}$dir"
        done
    } | sort -u >"$noted.new"
    mv "$noted.new" "$noted"
    cmake --install "$build" --strip
    ;;
uninstall)
    [ -f "$manifest" ] || { echo "nothing installed from $build" >&2 && exit 1; }
    sed "s|^|${DESTDIR:-}|" "$manifest" | xargs -r -d '\n' rm -f
    if [ -f "$noted" ]; then
        sort -r "$noted" | while IFS= read -r dir; do
            [ ! -d "$dir" ] || rmdir --ignore-fail-on-non-empty "$dir"
        done
        rm -f "$noted"
    fi
    ;;
*)
    echo "usage: $0 install|uninstall BUILD" >&2 && exit 2
    ;;
esac
