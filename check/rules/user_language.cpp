// SPDX-FileCopyrightText: 2026 The Tavrelo developers
// SPDX-License-Identifier: MIT
#include "check/rules/user_language.h"

#include <QCoreApplication>
#include <QTranslator>

using namespace Qt::StringLiterals;

void useUserLanguage(const QLocale &locale)
{
#if QT_VERSION_MAJOR < 6
    // Qt 5's resources in a static library are registered by hand: nothing else pulls their object file in.
    [[maybe_unused]] static const bool registered = [] {
        Q_INIT_RESOURCE(tavrelo_check_translations);
        return true;
    }();
#endif
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    // Tries each of the locale's languages in turn ("ru-RU" as tavrelo-check_ru_RU, then tavrelo-check_ru).
    if (translator.load(locale, u"tavrelo-check"_s, u"_"_s, u":/i18n"_s)
        || translator.load(u"tavrelo-check_en"_s, u":/i18n"_s))
        QCoreApplication::installTranslator(&translator);
}
