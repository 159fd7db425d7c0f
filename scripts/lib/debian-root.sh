# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Clean Debian roots, made once with `debootstrap --variant=minbase` from this machine's Debian
# mirror and kept in $GORVANE_ROOT_CACHE, by default ~/.cache/gorvane (remove a root's folder to
# make it anew). Each use works on an overlay of a root in memory, so the cached root stays clean;
# apt's package lists and downloads are kept beside it, so that a later run fetches only what has
# changed. Sourced by the scripts that need a root; the caller defines fail MESSAGE and runs as
# root, to mount and chroot.

root_cache=${GORVANE_ROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/gorvane}

# Unmounts everything mounted at or below folder $1, deepest first; lazily where still busy.
unmount_below() {
    local target
    findmnt -rn -o TARGET | awk -v top="$1" '$0 == top || index($0, top "/") == 1' | sort -r |
        while read -r target; do
            umount "$target" 2>/dev/null || umount --lazy "$target"
        done
}

# Unmounts what open_root mounted in folder $1 and removes it; never deletes through a mount, as
# the cache's folders are mounted inside the root. Then lets another run have the root.
close_root() {
    unmount_below "$1"
    if findmnt -rn -o TARGET | grep -q "^$1/"; then
        echo "$1 is still mounted; left in place" >&2
    else
        rm -rf "$1"
    fi
    if [ -n "${root_lock:-}" ]; then
        exec {root_lock}>&-
        root_lock=
    fi
}

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

# Makes the clean root of Debian release $1 (bookworm, trixie) unless it is cached. One run at a
# time makes a root and uses its apt folders: the lock is held until close_root.
make_root() {
    local suite=$1 start=$SECONDS
    mkdir -p "$root_cache"
    exec {root_lock}>"$root_cache/$suite.lock"
    flock -w 1200 "$root_lock" || fail "another run has held $root_cache/$suite.lock for 20 minutes"
    [ -d "$root_cache/$suite" ] && return
    echo "== making the clean $suite root in $root_cache/$suite (once)"
    unmount_below "$root_cache/$suite.new"
    rm -rf "$root_cache/$suite.new"
    timeout 900 debootstrap --variant=minbase "$suite" "$root_cache/$suite.new" "$(mirror debian)" \
        >"$root_cache/debootstrap-$suite.log" 2>&1 \
        || fail "debootstrap failed; see $root_cache/debootstrap-$suite.log"
    cat >"$root_cache/$suite.new/etc/apt/sources.list" <<EOF
deb $(mirror debian) $suite main
deb $(mirror debian) $suite-updates main
deb $(mirror debian-security) $suite-security main
EOF
    mv "$root_cache/$suite.new" "$root_cache/$suite"
    echo "made in $((SECONDS - start)) s"
}

# Mounts a throw-away overlay of the cached root of release $1 at folder $2/root, with what
# writes land in memory (where dpkg's many syncs cost nothing), and sets root to it.
open_root() {
    local suite=$1 layer=$2/layer apt=$root_cache/apt-$1
    root=$2/root
    mkdir -p "$layer" "$root" "$apt/lists/partial" "$apt/archives/partial"
    mount -t tmpfs tmpfs "$layer"
    mkdir "$layer/upper" "$layer/work"
    mount -t overlay overlay \
        -o "lowerdir=$root_cache/$suite,upperdir=$layer/upper,workdir=$layer/work" "$root"
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount --bind "$apt/lists" "$root/var/lib/apt/lists"
    mount --bind "$apt/archives" "$root/var/cache/apt/archives"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    # The root fetches as this machine does: a mirror that keeps a dated copy of the archive is
    # read with its Release files' dates unchecked.
    apt-config dump | grep -E '^Acquire::Check-(Valid-Until|Date) ' \
        >"$root/etc/apt/apt.conf.d/99gorvane-host" || true
}

# Runs a command as root inside the root, with a clean environment, for at most $root_limit
# seconds (600 unless set): a network that stops answering ends the step instead of the run.
in_root() {
    timeout "${root_limit:-600}" chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}
