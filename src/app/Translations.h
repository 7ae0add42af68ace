// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts and Qt's own in the user's language.
class QCoreApplication;
class QLocale;

namespace fk {

// Installs Qt's translations and ours for QLocale::system() (LANGUAGE, then
// LC_ALL, LC_MESSAGES and LANG on Linux; the user's display language on
// Windows). English, or a language without ours, keeps the design's texts.
void installTranslations(QCoreApplication& app);
// The same for `locale`, as tests ask for one.
void installTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace fk
