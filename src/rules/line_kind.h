// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which scan found a line. Line codes repeat across scans, so a code always travels with its kind.
enum class LineKind { Row, Column, Diagonal };
