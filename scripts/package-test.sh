#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the game as a user gets it: every file's licence (reuse lint), what `cmake --install`
# lays out, the desktop entry and the metainfo against their validators, and the Debian package,
# built by dpkg-buildpackage: its versions, dependencies, contents, hardening and lintian's
# verdict. Last it installs the package with
# apt-get on a clean root of this machine's Debian release and starts it there
# (scripts/clean-root-test.sh), unless told --no-clean-root. Takes the build directory (default
# build); needs root or sudo for the last step. Works in a git clone and in an unpacked source
# tarball alike.
# Usage: package-test.sh [--no-clean-root] [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
clean_root=yes
if [ "${1:-}" = --no-clean-root ]; then
    clean_root=no
    shift
fi
build=$(realpath "${1:-build}")
app_id=org.gorvane.Gorvane

fail() {
    echo "package test: $*" >&2
    exit 1
}

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source scripts/lib/source-tree.sh
source scripts/lib/debian-package.sh

echo "== reuse lint"
# On a copy of the sources without the build folders: in a clone reuse would leave them out as
# .gitignore says, but without .git (an unpacked tarball) it would read every file in them.
mkdir "$work/tree"
working_tree_tarball | tar -x -C "$work/tree"
(cd "$work/tree" && reuse lint) >"$work/reuse.log" 2>&1 || {
    cat "$work/reuse.log"
    fail "every file needs its copyright and licence. Give a new file a header with
    reuse annotate --template compact --copyright 'Gorvane developers' \\
        --license GPL-3.0-or-later --exclude-year FILE
adding --style python (or c, html) where reuse does not know the kind of file; a file that
cannot hold a comment (an image, a test input) goes into .reuse/dep5 instead."
}
tail -n 1 "$work/reuse.log"

echo "== cmake --install"
# Whatever the prefix, the same files, all below it: cmake's default, and the package's.
expected="games/gorvane
share/applications/$app_id.desktop
share/doc/gorvane/changelog.gz
share/doc/gorvane/copyright
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man6/gorvane.6.gz
share/metainfo/$app_id.metainfo.xml"
for prefix in /usr/local /usr; do
    stage=$work/prefix-$(basename "$prefix")
    DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
    diff <(sed "s|^|$prefix/|" <<<"$expected") <(cd "$stage" && find . -type f | sed 's/^\.//' | sort) \
        || fail "cmake --install --prefix $prefix does not lay out the expected files"
done
desktop=usr/share/applications/$app_id.desktop
desktop-file-validate "$stage/$desktop" || fail "the desktop entry is not valid"
# Strict: warnings fail too, among them a launchable desktop entry that is not installed.
scripts/check-metainfo.sh validate-tree --strict "$stage" || fail "the metainfo is not valid"
# Infos fail too; pedantic hints are shown.
scripts/check-metainfo.sh validate --pedantic --strict \
    "$stage/usr/share/metainfo/$app_id.metainfo.xml" \
    || fail "the metainfo is not complete"
icon=$(sed -n 's/^Icon=//p' "$stage/$desktop")
[ -f "$stage/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] \
    || fail "the desktop entry's icon $icon is not installed"
# The desktop's menus find the game on the PATH, in which Debian has /usr/games.
for key in Exec TryExec; do
    command=$(sed -n "s/^$key=//p" "$stage/$desktop")
    [ -x "$stage/usr/games/$command" ] || fail "the desktop entry's $key=$command is not in /usr/games"
done

echo "== the package"
# Built by Debian's tools from a clean copy of the sources, source and binaries, as a Debian
# builder builds them; the packages are kept in the build folder, where the next steps and the
# README's install command find them.
mkdir "$work/source"
mv "$work/tree" "$work/source/gorvane"
build_package "$work/source/gorvane" "$work/package.log"
rm -f "$build"/gorvane_*.deb "$build"/gorvane-dbgsym_*.deb
cp "$work"/source/*.deb "$build/"
debs=("$build"/gorvane_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "dpkg-buildpackage made no package"
name=$(basename "$deb")
[ -f "$build/gorvane-dbgsym_${name#gorvane_}" ] || fail "dpkg-buildpackage made no debug symbols"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
# Each library the game links, by the package name that this release's shared-library data (the
# symbols and shlibs files of the installed libraries) gives it: libqt6core6 on Debian 12,
# libqt6core6t64 on Debian 13.
needed=$(objdump -p "$stage/usr/games/gorvane" | awk '$1 == "NEEDED" { print $2 }')
for soname in libc.so.6 libstdc++.so.6 libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6; do
    grep -qx "$soname" <<<"$needed" || fail "the game does not link $soname"
done
packages="qt6-qpa-plugins fonts-liberation2"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for soname in $needed; do
    owner=$(dpkg -S "*/$multiarch/$soname" | sed -n '1s/: .*//p')
    info=/var/lib/dpkg/info/$owner
    library=$(awk -v soname="$soname" '$1 == soname { print $2; exit }' "$info.symbols" 2>/dev/null)
    [ -n "$library" ] || library=$(awk -v name="${soname%%.so.*}" -v version="${soname##*.so.}" \
        '$1 == name && $2 == version { print $3; exit }' "$info.shlibs" 2>/dev/null)
    [ -n "$library" ] || fail "the package $owner of $soname says no dependency for it"
    packages+=" $library"
done
for library in $packages; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] \
        || fail "the package does not depend on $library"
done
recommends=$(dpkg-deb --field "$deb" Recommends)
[ "$recommends" = "qt6-wayland, qt6-translations-l10n" ] \
    || fail "the package recommends \"$recommends\", not qt6-wayland and qt6-translations-l10n"
release=$(. /etc/os-release && echo "$VERSION_CODENAME")
overrides=/usr/share/lintian/overrides/gorvane # from Debian 13 on, see debian/rules
diff <( (cd "$stage" && find . -type f | sed 's/^\.//'
    [ "$release" = bookworm ] || echo "$overrides") | sort) \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort) \
    || fail "the package does not hold exactly what cmake --install lays out and the overrides"

# One version throughout: the package's, the changelog's entries and the metainfo's releases,
# each with the same date.
version=$(dpkg-deb --field "$deb" Version)
changelog=$(dpkg-parsechangelog -l debian/changelog --all --format rfc822 \
    | sed -n 's/^Version: //p; s/^Date: //p' | while read -r entry && read -r date; do
        echo "$entry $(date -u -d "$date" +%F)"
    done)
releases=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' \
    "$stage/usr/share/metainfo/$app_id.metainfo.xml")
[ "$changelog" = "$releases" ] \
    || fail "the changelog has ${changelog//$'\n'/, }; the metainfo's releases ${releases//$'\n'/, }"
[ "${changelog%% *}" = "$version" ] \
    || fail "the package is version $version, the changelog's latest entry ${changelog%% *}"
zcat "$stage/usr/share/man/man6/gorvane.6.gz" | grep -q "^\.TH GORVANE 6 .*\"Gorvane $version\"" \
    || fail "the manual page does not name version $version"

echo "== hardening-check"
# What Debian's flags give on every release. Not the rest, which hardening-check's versions name
# differently: Fortify Source finds no call left to check at run time (see the README), and
# Debian 12's flags add no control-flow protection.
dpkg-deb -x "$deb" "$work/unpacked"
hardening=$(hardening-check "$work/unpacked/usr/games/gorvane" || true)
echo "$hardening"
for feature in "Position Independent Executable" "Stack protected" "Read-only relocations" \
    "Immediate binding"; do
    grep -qx " $feature: yes" <<<"$hardening" || fail "the packaged game lacks $feature"
done

echo "== lintian"
# On the source and the binaries; informational tags are shown and allowed; each one left is
# explained in the README.
lintian --fail-on error,warning --display-info --pedantic "$work"/source/gorvane_*.changes \
    || fail "lintian finds errors or warnings in the package"

if [ "$clean_root" = yes ]; then
    "${as_root[@]}" scripts/clean-root-test.sh "$deb" "$release"
fi
echo "package test: passed"
