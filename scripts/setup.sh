#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what Gorvane needs to build, run and test, from Debian's packages, on Debian 12
# (bookworm), 13 (trixie) or testing and unstable. Installs nothing when everything is there
# already.
set -euo pipefail

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# libFuzzer comes with the runtime of the release's default clang, whose version is in its name.
# Testing and unstable change their default: there it is the one the package clang names, or,
# where it names none, the newest runtime the archive has.
default_clang() {
    {
        apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$/\1/p'
        apt-cache pkgnames libclang-rt- 2>/dev/null |
            sed -n 's/^libclang-rt-\([0-9][0-9]*\)-dev$/\1/p' | sort -n | tail -n 1
    } | sed -n 1p
}
codename=$(. /etc/os-release && echo "${ID:-}:${VERSION_CODENAME:-}")
case $codename in
debian:bookworm) clang_version=14 ;;
debian:trixie) clang_version=19 ;;
debian:buster | debian:bullseye)
    echo "setup: Debian 12 (bookworm) or later is needed, not \"${codename#*:}\"" >&2
    exit 1
    ;;
debian:*)
    clang_version=$(default_clang)
    if [ -z "$clang_version" ]; then
        "${as_root[@]}" apt-get update
        clang_version=$(default_clang)
    fi
    [ -n "$clang_version" ] || { echo "setup: the archive names no clang" >&2; exit 1; }
    ;;
*)
    echo "setup: Debian is needed, not \"${codename%%:*}\"" >&2
    exit 1
    ;;
esac

packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgtest-dev fonts-dejavu-core
    # the translations: lupdate and lrelease, their CMake functions, Qt's own translations, and a
    # font with Chinese, Japanese and Korean for the translation test
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n fonts-droid-fallback
    # the captions' font, and XKB's X client library, which tells a held key as held
    fonts-liberation2 libxcb-xkb-dev
    # benchmarks: Google Benchmark, and the start-up probe's X client library
    libbenchmark-dev pkg-config libxcb1-dev
    # to build the Debian package and check its hardening, validate the desktop files and run the
    # installed game
    dpkg-dev debhelper devscripts file desktop-file-utils appstream xvfb xdotool x11-utils
    # to check the package and every file's licence, and install the package on a clean root
    lintian reuse debootstrap debian-archive-keyring
    # the real-window test's screenshots
    imagemagick
    # the real-window test under a window manager; the window tests on Wayland
    openbox weston qt6-wayland
    # the screen-reader test: a private session bus, the accessibility bus, its Python bindings
    dbus-daemon at-spi2-core gir1.2-atspi-2.0 python3-gi
    # the test with the real screen reader, Orca, and the AT-SPI bindings it is written with
    orca python3-pyatspi
    # static analysis, the formatting check, and fuzzing with libFuzzer, which comes with clang
    clang-tidy clang-format clang "libclang-rt-$clang_version-dev"
    # the locales the suite is also run in, as a contributor's desktop may speak them
    locales)
# The check of the real desktops: headless GNOME Shell and KDE Plasma's KWin, with Xwayland, and
# their screenshot tools. Without their recommends, which would bring whole desktops.
desktop_packages=(gnome-shell xwayland gnome-screenshot kwin-wayland kde-spectacle)
# Debian 12's spectacle is a Qt 5 program, which needs Qt 5's Wayland platform there.
[ "$codename" = debian:bookworm ] && desktop_packages+=(qtwayland5)
# German, Turkish (whose dotless i upper-cases "i" differently) and Arabic (right to left).
locales=(de_DE.UTF-8 tr_TR.UTF-8 ar_EG.UTF-8)

# Prints those of the packages $@ that are not installed.
not_installed() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || echo "$package"
    done
}
mapfile -t missing < <(not_installed "${packages[@]}")
mapfile -t desktop_missing < <(not_installed "${desktop_packages[@]}")
if [ ${#missing[@]} -gt 0 ] || [ ${#desktop_missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]} ${desktop_missing[*]}"
    "${as_root[@]}" apt-get update
fi
if [ ${#missing[@]} -gt 0 ]; then
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
if [ ${#desktop_missing[@]} -gt 0 ]; then
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${desktop_missing[@]}"
fi

# Each locale not yet generated is enabled in /etc/locale.gen, as dpkg-reconfigure locales
# would, and generated with the others enabled there.
ungenerated=()
for locale in "${locales[@]}"; do
    locale -a | grep -qx "${locale%.UTF-8}.utf8" || ungenerated+=("$locale")
done
[ ${#ungenerated[@]} -eq 0 ] && exit 0
echo "Generating the locales: ${ungenerated[*]}"
for locale in "${ungenerated[@]}"; do
    "${as_root[@]}" sed -i "s/^# *\($locale UTF-8\)\$/\1/" /etc/locale.gen
    grep -qx "$locale UTF-8" /etc/locale.gen \
        || echo "$locale UTF-8" | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
done
"${as_root[@]}" locale-gen
