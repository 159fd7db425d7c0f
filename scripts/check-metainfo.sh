#!/usr/bin/env bash

# SPDX-FileCopyrightText: Gorvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs `appstreamcli validate` or `validate-tree` with the options given, offline. The metainfo
# names its developer with <developer id>, which AppStream 1.0 (Debian 13) asks for in place of
# <developer_name>; AppStream 0.16 (Debian 12) does not know that tag yet and says so in an info.
# There, that info alone is let through, as a pedantic hint. AppStream 1.0 also warns that the
# metainfo names no home page: the project has no web site, so that warning is shown as a pedantic
# hint too, on both versions.
# Usage: check-metainfo.sh validate|validate-tree [OPTION...] FILE|FOLDER
set -euo pipefail
overrides=(--override=url-homepage-missing=pedantic)
if appstreamcli --version | grep -q 'version: 0\.'; then
    overrides+=(--override=unknown-tag=pedantic)
fi
status=0
report=$(appstreamcli "$1" --no-net "${overrides[@]}" "${@:2}" 2>&1) || status=$?
echo "$report"
if grep 'unknown-tag' <<<"$report" | grep -qv 'unknown-tag developer$'; then
    echo "metainfo: a tag other than <developer> is unknown to this AppStream" >&2
    exit 1
fi
exit "$status"
