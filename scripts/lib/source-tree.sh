# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The project's sources as a tar stream on standard output, as a release tarball holds them.
# Sourced from the top folder.

# The working tree without .git and the top-level folders .gitignore names (the build folders):
# what a tarball unpacked and built in holds, less what the builds wrote.
working_tree_tarball() {
    local excludes
    mapfile -t excludes < <(sed -n 's|^/\(.*\)/$|--exclude=./\1|p' .gitignore)
    tar -c --anchored --exclude=./.git "${excludes[@]}" .
}

# `git archive` of HEAD in a git clone; elsewhere the working tree as above.
source_tarball() {
    if git rev-parse --git-dir >/dev/null 2>&1; then
        git archive --format=tar HEAD
    else
        working_tree_tarball
    fi
}
