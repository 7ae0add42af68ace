// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which Wine prefix the program opens when no file is named: the prefixes
// found on this machine, the one used last, and the chooser's request.
#include "dialogs/PrefixDialog.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace fk {

// The prefix used last, kept in the program's own settings
// ($XDG_CONFIG_HOME/fettlekit/fettlekit.conf); tests name their own file.
class LastPrefix {
public:
    LastPrefix() = default;
    explicit LastPrefix(QString iniFile) : iniFile_(std::move(iniFile)) {}

    QString load() const;
    void save(const QString& prefixDir);

private:
    QString iniFile_;
};

struct FoundPrefixes {
    QStringList prefixes;  // the one to open first comes first
    QStringList looked;    // the places searched, for the user
};

// Searches $WINEPREFIX, ~/.wine and the Wine front-ends' places; `last`
// goes first when it is among them.
FoundPrefixes findPrefixesNow(const QString& last);
QStringList withFirst(QStringList prefixes, const QString& first);

// A prefix folder names its user.reg; a file is the hive itself.
QString hiveFileOf(const QString& chosen);
QString prefixOf(const QString& hiveFile);

// Why a picked folder or file will not do as the add-on's prefix, in the
// chooser's words: what was looked for and what was found instead.
dialogs::PrefixDialog::Verdict checkPlace(const QString& chosen);

// What a .reg file of exported settings is, said where a prefix's user.reg
// was asked for; empty for any other file.
QString exportedSettingsNote(const QString& file);

// How the user knows a prefix: "Bottles: Gaming", else its folder.
QString prefixTitle(const QString& prefixDir);

// What the chooser shows: the prefixes, each with its front-end, with
// `preselect` selected, or, when there are none, where Fettlekit looked.
dialogs::PrefixDialog::Request chooserRequest(const FoundPrefixes& found, const QString& preselect);

// At start-up: the one prefix found, else the user's pick; nothing when
// the user cancels.
std::optional<dialogs::PrefixDialog::Choice> choosePrefixAtStart(const FoundPrefixes& found,
                                                                 dialogs::PrefixDialog& chooser);

}  // namespace fk
