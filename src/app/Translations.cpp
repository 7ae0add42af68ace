// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace fk {

void installTranslations(QCoreApplication& app) {
    // A "C" or POSIX locale reads the design's English, plural forms and all.
    const QLocale system = QLocale::system();
    installTranslations(app, system.language() == QLocale::C ? QLocale(QLocale::English) : system);
}

void installTranslations(QCoreApplication& app, const QLocale& locale) {
    // Qt's dialogs and buttons first, so that ours win where both have a text.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // Ours are built into the program.
    auto* ours = new QTranslator(&app);
    if (ours->load(locale, QStringLiteral("fettlekit"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(ours);
}

}  // namespace fk
