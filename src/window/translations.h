// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// Installs Qt's and the game's translations for the first language of the list ("gd-GB", "de")
// that the game speaks, and takes that language's direction. English, the game's own language,
// needs nothing loaded; so does a list that names English before any language the game speaks.
void installTranslations(const QStringList &languages);
