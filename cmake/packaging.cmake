# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `cmake --build BUILD --target deb` builds the Debian package BUILD/gorvane_VERSION_ARCH.deb of
# what `cmake --install` installs (cmake/deb.sh). dpkg-deb, not CPack, packs it: CPack 3.25 gives
# the archive and its control members the time of the build, dpkg-deb takes SOURCE_DATE_EPOCH.
add_custom_target(deb
    COMMAND ${PROJECT_SOURCE_DIR}/cmake/deb.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}
            ${PROJECT_VERSION}
    DEPENDS gorvane gzipped_docs
    COMMENT "Building the Debian package"
    VERBATIM
)
