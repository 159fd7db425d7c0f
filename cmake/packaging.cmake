# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack` builds a Debian package of what `cmake --install` installs. dpkg-shlibdeps reads the
# library dependencies off the executable, so they follow whatever the build links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gorvane)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "noughts and crosses on a board of ten cells")
set(CPACK_PACKAGE_DESCRIPTION
    "Noughts and crosses on a 3 x 3 square with a tenth cell to the right of the\n\
bottom row, played against the computer at two strengths or by two people\n\
taking turns.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Gorvane maintainers <maintainers@users.noreply.c-seed-968a5ace.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugins at run time, out of dpkg-shlibdeps' sight; without them the
# game cannot open its window. Liberation Sans is as narrow as the font the controls were sized
# for, so their captions need not shrink to fit.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's Wayland platform, so that the game runs natively on Wayland desktops; without it Qt falls
# back to X11 through XWayland. Qt's own translations, so that its buttons (OK, Cancel) speak the
# player's language as the game does.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
