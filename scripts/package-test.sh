#!/usr/bin/env bash
# Checks the game as a user gets it: what `cmake --install` lays out, the desktop entry and the
# metainfo against their validators, and the Debian package, installed with dpkg and started under
# a virtual X server, its start-up dialogue answered with xdotool. Takes the build directory
# (default build); needs root or sudo to install the package.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
app_id=org.gorvane.Gorvane

fail() {
    echo "package test: $*" >&2
    exit 1
}

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

source scripts/lib/x11-game.sh

work=$(mktemp -d)
remove_package=false
cleanup() {
    stop_x11
    if $remove_package; then "${as_root[@]}" dpkg --remove gorvane >/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

echo "== cmake --install"
stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
desktop=usr/share/applications/$app_id.desktop
for file in usr/bin/gorvane "$desktop" usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    usr/share/metainfo/$app_id.metainfo.xml; do
    [ -f "$stage/$file" ] || fail "/$file is not installed"
done
desktop-file-validate "$stage/$desktop" || fail "the desktop entry is not valid"
# Strict: warnings fail too, among them a launchable desktop entry that is not installed.
appstreamcli validate-tree --no-net --strict "$stage" || fail "the metainfo is not valid"
icon=$(sed -n 's/^Icon=//p' "$stage/$desktop")
[ -f "$stage/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] \
    || fail "the desktop entry's icon $icon is not installed"
command=$(sed -n 's/^Exec=//p' "$stage/$desktop")
[ -x "$stage/usr/bin/$command" ] || fail "the desktop entry starts $command, which is not installed"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$stage/$desktop")

echo "== cpack"
rm -f "$build"/gorvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/gorvane_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "cpack made no package"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] \
        || fail "the package does not depend on $library"
done
diff <(cd "$stage" && find . -type f | sed 's/^\.//' | sort) \
    <(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort) \
    || fail "the package does not hold exactly what cmake --install lays out"

echo "== dpkg -i"
dpkg-query -W -f='${Status}' gorvane 2>/dev/null | grep -q 'install ok installed' \
    || remove_package=true
"${as_root[@]}" dpkg --install "$deb" >/dev/null
installed=$(command -v gorvane) || fail "the installed program is not on the PATH"

echo "== $installed under Xvfb"
start_xvfb "$work"
start_game "$installed"

# The window is shown before the start-up dialogue opens.
main=$(window_titled Gorvane)
dialog=$(window_titled "Player Number")
answer "$dialog" 3
# The refusal is an untitled message box, shown with the application's name.
dialog=$(window_titled Gorvane "$main")
answer "$dialog"
dialog=$(window_titled "Player Number")
answer "$dialog" 2
dialog=$(window_titled gorvane)
answer "$dialog"

geometry=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: //p')
[ "$geometry" = 326x255 ] || fail "the window is $geometry, not 326x255"
properties=$(xprop -id "$main" WM_CLASS _NET_WM_ICON | cut -c1-200)
grep -q "WM_CLASS.*\"$wm_class\"" <<<"$properties" \
    || fail "WM_CLASS does not name the desktop entry's StartupWMClass $wm_class: $properties"
grep -q '^_NET_WM_ICON(CARDINAL) = ' <<<"$properties" || fail "the window has no icon"

# "Exit", the button at the bottom right, ends the program.
xdotool mousemove --window "$main" 292 204 click 1
expect_clean_exit
echo "package test: passed"
