#!/usr/bin/env bash
# Installs what Marbix needs on a Debian machine:
#   install-deps.sh run    what building and running the game need (the default)
#   install-deps.sh test   that, and what the tests, the benchmarks and the package need
#   install-deps.sh deb    the package's Build-Depends (debian/control), and the
#                          tools of the package's own test
# Elsewhere it prints the package list and stops.
set -eu

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libpulse-dev libfontconfig-dev
    qt6-qpa-plugins qt6-l10n-tools qt6-tools-dev
    fonts-liberation2
)
build_dep=
case ${1:-run} in
run) ;;
test)
    PACKAGES+=(
        libgtest-dev libgmock-dev libbenchmark-dev
        clang-format clang clang-tidy libclang-rt-14-dev
        xvfb xauth xdotool openbox x11-utils fonts-noto-cjk
        pulseaudio pulseaudio-utils
        desktop-file-utils appstream unicode-data shared-mime-info
        dbus at-spi2-core python3-pyatspi
        debhelper dpkg-dev lintian man-db inotify-tools
    )
    ;;
deb)
    PACKAGES=(dpkg-dev lintian inotify-tools)
    build_dep=./
    ;;
*)
    echo "usage: $0 [run|test|deb]" >&2
    exit 2
    ;;
esac

if ! command -v dpkg >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "This is not a Debian system. Please install these packages (or their equivalents):" >&2
    printf '  %s\n' "${PACKAGES[@]}" >&2
    exit 1
fi
cd "$(dirname "$0")/.."

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
# apt-get says what the Build-Depends still lack without changing anything
# (or fails, with no package lists yet: then they are installed).
if [ -n "$build_dep" ] && sim=$(apt-get -s build-dep "$build_dep" 2>/dev/null) &&
    ! grep -q '^Inst ' <<<"$sim"; then
    build_dep=
fi
[ ${#missing[@]} -eq 0 ] && [ -z "$build_dep" ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ -n "$build_dep" ]; then
    echo "Installing the Build-Depends of debian/control"
    "${sudo[@]}" apt-get build-dep -y -qq --no-install-recommends "$build_dep"
fi
