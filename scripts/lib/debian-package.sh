# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the source and binary packages from the clean sources in folder $1, as a Debian builder
# does, into the folder above it, writing the build's output to file $2. Sourced; the caller
# defines fail MESSAGE.
build_package() {
    (cd "$1" && timeout 900 dpkg-buildpackage -us -uc -J"$(nproc)") >"$2" 2>&1 \
        || fail "dpkg-buildpackage failed: $(tail -n 30 "$2")"
}
