// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/translations.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

// The languages compiled into the game, one file each: ":/i18n/gorvane_pt_BR.qm" is pt_BR.
QStringList gameLanguages()
{
    const QString prefix = QStringLiteral("gorvane_");
    const QString suffix = QStringLiteral(".qm");
    QStringList languages = QDir(QStringLiteral(":/i18n")).entryList({prefix + u'*' + suffix});
    for (QString &language : languages)
        language = language.sliced(prefix.size()).chopped(suffix.size());
    return languages;
}

// The game's language for one of the desktop's: the same language in the same script, so that
// Portuguese from Portugal reads Brazilian and Chinese from Hong Kong the traditional script.
QString spokenLanguage(const QLocale &wanted)
{
    for (const QString &language : gameLanguages()) {
        const QLocale spoken(language);
        if (spoken.language() == wanted.language() && spoken.script() == wanted.script())
            return language;
    }
    return {};
}

void install(const QString &file, const QString &directory)
{
    auto translator = std::make_unique<QTranslator>(qApp);
    if (translator->load(file, directory))
        QCoreApplication::installTranslator(translator.release());
}

} // namespace

void installTranslations(const QStringList &languages)
{
    for (const QString &name : languages) {
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English || wanted.language() == QLocale::C)
            return;
        const QString language = spokenLanguage(wanted);
        if (language.isEmpty())
            continue;
        install(QLatin1String("qtbase_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        install(QLatin1String("gorvane_") + language, QStringLiteral(":/i18n"));
        // The answers' digits follow the language, and so does the direction, taken from the
        // language rather than from Qt's translation, which may not be installed.
        QLocale::setDefault(QLocale(language));
        QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
        return;
    }
}
