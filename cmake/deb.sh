#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of what `cmake --install` lays out under /usr, stripped as `install
# -s` strips, into BUILD/gorvane_VERSION_ARCH.deb. dpkg-shlibdeps reads the library dependencies
# off the executable, so they follow whatever the build links and the release names.
# Reproducible: dpkg-deb takes SOURCE_DATE_EPOCH (by default the date of the newest entry in
# data/changelog) as the time of every member and of the archive, writes every member as root's
# and in a fixed order, and gzip -9n leaves its own time stamp out.
# Usage: deb.sh SOURCE BUILD VERSION
set -euo pipefail
source=$1 build=$2 version=$3
umask 022
newest=$(dpkg-parsechangelog -l "$source/data/changelog" -S Timestamp)
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$newest}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/gorvane

DESTDIR=$stage cmake --install "$build" --prefix /usr --strip >/dev/null
# Lintian's overrides belong to the package, not to what `cmake --install` lays out. Debian 12's
# lintian does not validate AppStream data, and rejects an override of a tag it does not know.
if [ "$(. /etc/os-release && echo "$VERSION_CODENAME")" != bookworm ]; then
    install -D -m 644 "$source/data/lintian-overrides" "$stage/usr/share/lintian/overrides/gorvane"
fi
mkdir "$stage/DEBIAN" "$work/debian"
touch "$work/debian/control"
shlibs=$(cd "$work" && dpkg-shlibdeps -O "$stage/usr/games/gorvane")
shlibs=${shlibs#shlibs:Depends=}
# dpkg's own measure: each file in KiB rounded up, and one for each folder.
size=$(cd "$stage" && find usr \( -type f -printf '%s\n' \) -o \( -type d -printf '1024\n' \) |
    awk '{ kib += int(($1 + 1023) / 1024) } END { print kib }')
arch=$(dpkg --print-architecture)

# Qt loads its window-system plugins at run time, out of dpkg-shlibdeps' sight; without them the
# game cannot open its window. Qt's Wayland platform makes it run natively on Wayland desktops;
# without it Qt falls back to X11 through XWayland. Qt's own translations make its buttons (OK,
# Cancel) speak the player's language as the game does. Liberation Sans is as narrow as the font the
# controls were sized for, so their captions need not shrink to fit.
cat >"$stage/DEBIAN/control" <<CONTROL
Package: gorvane
Version: $version
Architecture: $arch
Maintainer: Gorvane maintainers <maintainers@users.noreply.c-seed-968a5ace.example>
Installed-Size: $size
Depends: $shlibs, qt6-qpa-plugins, fonts-liberation2
Recommends: qt6-wayland, qt6-translations-l10n
Section: games
Priority: optional
Description: noughts and crosses on a board of ten cells
 Noughts and crosses on a 3 x 3 square with a tenth cell to the right of the
 bottom row, played against the computer at two strengths or by two people
 taking turns.
CONTROL
(cd "$stage" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$stage/DEBIAN/md5sums"
chmod 644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"
rm -f "$build"/gorvane_*.deb
dpkg-deb --root-owner-group -Zgzip -z9 --build "$stage" "$build/gorvane_${version}_$arch.deb" \
    >/dev/null
