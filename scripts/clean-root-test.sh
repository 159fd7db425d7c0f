#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian package DEB with `apt-get install` on a clean Debian 12 root, which proves
# its dependencies complete, then starts the installed /usr/games/gorvane there under a virtual X
# server, answers its start-up dialogue with xdotool, checks the window and ends it with "Exit".
# Needs root, to mount and chroot.
#
# The root is made once with `debootstrap --variant=minbase bookworm` from this machine's Debian
# mirror and kept in $GORVANE_ROOT_CACHE, by default ~/.cache/gorvane (remove the folder to make
# it anew). Each run works on an overlay of it, so the cached root stays clean; apt's package lists
# and downloads are kept beside it, so that a later run fetches only what has changed.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(realpath "$1")
suite=bookworm

fail() {
    echo "clean-root test: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "needs root, to mount and chroot"

source scripts/lib/x11-game.sh

cache=${GORVANE_ROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/gorvane}
work=$(mktemp -d)
root=$work/root

# Unmounts everything mounted at or below folder $1, deepest first; lazily where still busy.
unmount_below() {
    local target
    findmnt -rn -o TARGET | awk -v top="$1" '$0 == top || index($0, top "/") == 1' | sort -r |
        while read -r target; do
            umount "$target" 2>/dev/null || umount --lazy "$target"
        done
}

cleanup() {
    stop_x11
    unmount_below "$work"
    # Never delete through a mount: the cache's folders are mounted inside the root.
    if findmnt -rn -o TARGET | grep -q "^$work/"; then
        echo "clean-root test: $work is still mounted; left in place" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
trap "exit 1" INT TERM

# The first Debian archive in this machine's apt sources whose path ends in $1.
mirror() {
    local uris
    uris=$(
        sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | tr ' ' '\n'
        awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; break } }' \
            /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null
    )
    grep -m1 -E "/$1/?\$" <<<"$uris" || echo "http://deb.debian.org/$1"
}

mkdir -p "$cache"
# One run at a time makes the root and uses the shared apt folders.
exec {lock}>"$cache/lock"
flock -w 1200 "$lock" || fail "another run has held $cache/lock for 20 minutes"

start=$SECONDS
if [ ! -d "$cache/$suite" ]; then
    echo "== making the clean $suite root in $cache/$suite (once)"
    unmount_below "$cache/$suite.new"
    rm -rf "$cache/$suite.new"
    timeout 900 debootstrap --variant=minbase "$suite" "$cache/$suite.new" "$(mirror debian)" \
        >"$cache/debootstrap.log" 2>&1 || fail "debootstrap failed; see $cache/debootstrap.log"
    cat >"$cache/$suite.new/etc/apt/sources.list" <<EOF
deb $(mirror debian) $suite main
deb $(mirror debian) $suite-updates main
deb $(mirror debian-security) $suite-security main
EOF
    mv "$cache/$suite.new" "$cache/$suite"
    echo "made in $((SECONDS - start)) s"
fi

# What this run writes lives in memory, where dpkg's many syncs cost nothing.
layer=$work/layer
mkdir -p "$layer" "$root" "$cache/lists/partial" "$cache/archives/partial"
mount -t tmpfs tmpfs "$layer"
mkdir "$layer/upper" "$layer/work"
mount -t overlay overlay -o "lowerdir=$cache/$suite,upperdir=$layer/upper,workdir=$layer/work" "$root"
mount -t proc proc "$root/proc"
mount --bind "$cache/lists" "$root/var/lib/apt/lists"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"

# A network that stops answering ends the step instead of the whole run.
in_root() {
    timeout 600 chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

echo "== apt-get install ./$(basename "$deb") on the clean root"
start=$SECONDS
log=$work/apt.log
in_root apt-get update >"$log" 2>&1 || fail "apt-get update failed: $(tail -n 20 "$log")"
echo "apt-get update: $((SECONDS - start)) s"
in_root sh -c 'cd /tmp && apt-get install -y ./gorvane_*.deb' >>"$log" 2>&1 \
    || fail "the package does not install: $(tail -n 20 "$log")"
in_root apt-get autoclean >/dev/null
grep -E '^([0-9]+ upgraded|Need to get)' "$log" || true
echo "installed in $((SECONDS - start)) s"

echo "== /usr/games/gorvane on the clean root, under Xvfb"
start_xvfb "$work"
# Qt wants its runtime folder to exist where XDG_RUNTIME_DIR points, inside the root too.
install -d -m 700 "$root$XDG_RUNTIME_DIR"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/org.gorvane.Gorvane.desktop")
start_game chroot "$root" /usr/games/gorvane

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
echo "clean-root test: passed in $SECONDS s"
