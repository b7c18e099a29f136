#!/bin/sh
# Installs the Debian 12 packages that building, running, testing,
# benchmarking and packaging Hueriddle need, and generates the German locale
# the translation tests run the program under. Does nothing when all is
# present; uses sudo when not run as root.
set -eu

packages="
cmake
ninja-build
g++
clang
libclang-rt-14-dev
pkg-config
qt6-base-dev
qt6-base-dev-tools
qt6-qpa-plugins
fonts-dejavu-core
qt6-l10n-tools
qt6-translations-l10n
po4a
man-db
qt6-tools-dev
qt6-tools-dev-tools
libgl-dev
libxkbcommon-dev
libx11-dev
libxcb1-dev
libxcb-damage0-dev
libxcb-shm0-dev
libbenchmark-dev
xvfb
xauth
xdotool
x11-utils
valgrind
desktop-file-utils
appstream
dpkg-dev
build-essential
debhelper
lintian
fakeroot
file
locales
openbox
mutter
xwayland
qt6-wayland
dbus
dbus-daemon
wmctrl
"

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        "install ok installed") ;;
        *) missing="$missing $package" ;;
    esac
done

if [ "$(id -u)" -eq 0 ]; then
    run_as_root=""
else
    run_as_root="sudo"
fi

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $run_as_root apt-get update -qq
    # Recommended packages are left out, so every runtime piece the tests need
    # (the X11 platform plugin, a font, the sanitizer runtime) is named above.
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $run_as_root apt-get install -y -qq --no-install-recommends $missing
fi

# The C library sets a locale only when it has been generated; the `locales`
# package holds its definition.
if ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
    echo "Generating the locale de_DE.UTF-8"
    $run_as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
