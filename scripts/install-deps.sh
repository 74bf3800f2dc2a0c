#!/usr/bin/env bash
# Installs what Marbix needs on a Debian machine:
#   install-deps.sh run    what building and running the game need (the default)
#   install-deps.sh test   that, and what the tests, the benchmarks and the package need
# Elsewhere it prints the package list and stops.
set -eu

PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libpulse-dev libfontconfig-dev
    qt6-qpa-plugins qt6-l10n-tools
    fonts-liberation2
)
case ${1:-run} in
run) ;;
test)
    PACKAGES+=(
        libgtest-dev libgmock-dev libbenchmark-dev
        clang-format clang libclang-rt-14-dev
        xvfb xauth xdotool openbox x11-utils fonts-noto-cjk
        pulseaudio pulseaudio-utils
        desktop-file-utils appstream unicode-data
        dbus at-spi2-core python3-pyatspi
        debhelper dpkg-dev lintian man-db inotify-tools
    )
    ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

if ! command -v dpkg >/dev/null 2>&1 || ! command -v apt-get >/dev/null 2>&1; then
    echo "This is not a Debian system. Please install these packages (or their equivalents):" >&2
    printf '  %s\n' "${PACKAGES[@]}" >&2
    exit 1
fi

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
