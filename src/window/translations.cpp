// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>
#include <memory>

namespace {

// The languages into which Qt itself is translated, so that its own buttons match the game's.
constexpr std::array Languages{"ar", "bg",    "ca", "cs", "da", "de", "es",    "fa",   "fi", "fr",
                               "gd", "he",    "hr", "hu", "it", "ja", "ko",    "lv",   "nl", "nn",
                               "pl", "pt_BR", "ru", "sk", "tr", "uk", "zh_CN", "zh_TW"};

// The game's language for one of the desktop's: the same language in the same script, so that
// Portuguese from Portugal reads Brazilian and Chinese from Hong Kong the traditional script.
QString spokenLanguage(const QLocale &wanted)
{
    for (const char *language : Languages) {
        const QLocale spoken{QLatin1String(language)};
        if (spoken.language() == wanted.language() && spoken.script() == wanted.script())
            return QLatin1String(language);
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
