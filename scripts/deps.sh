#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Kwindel need.
# Installs only what is missing, so a second run costs nothing.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libcups2-dev libfontconfig-dev
    # MS Sans Serif itself (Wine's copy), and the fonts that stand in for the Windows ones
    fonts-wine fonts-liberation fonts-comic-neue
    # a real X server and the X libraries the window tests talk to
    xvfb xauth x11-utils libx11-dev libxtst-dev libxdamage-dev
    # printing and the saved page, tested against real components
    cups cups-client cups-bsd poppler-utils chromium
    # Qt's own texts in Dutch
    qt6-translations-l10n
    # the desktop: install checks, a screen reader's view, a window manager
    desktop-file-utils appstream at-spi2-core python3-pyatspi dbus openbox xdotool imagemagick
    # start-up counted in instructions (bench.sh)
    valgrind
    # a Wayland session: headless sway with its background, Qt's Wayland plugin, keys, screenshots, the
    # seat's pointer (a small client built with wayland-scanner) and sway's window tree read with jq
    sway swaybg qt6-wayland wtype grim libwayland-dev jq
    # the sanitized suite runs under a session bus; the page fuzzer is built with clang
    dbus-daemon clang-14 libclang-rt-14-dev
)
run_only=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libcups2-dev libfontconfig-dev fonts-wine fonts-liberation fonts-comic-neue qt6-translations-l10n)
case "${1:-}" in
    --run-only) packages=("${run_only[@]}") ;;
    # the Debian package: Debian's own build tools and its checker
    --deb) packages=("${run_only[@]}" debhelper dpkg-dev lintian) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -qq "${missing[@]}"
