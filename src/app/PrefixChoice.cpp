// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrefixChoice.h"
#include "app/RegistryTexts.h"

#include "platform/hive/HiveRegistry.h"
#include "platform/regfile/RegFileReader.h"
#include "platform/wine/PrefixFinder.h"
#include "platform/wine/WineServer.h"
#include "store/PreferenceKeys.h"
#include "store/ValueChange.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace fk {

namespace {

// The context translators find this file's texts under.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(fk::PrefixChoice)
};

const QString LastPrefixKey = QStringLiteral("prefix/last");

std::unique_ptr<QSettings> settingsFile(const QString& iniFile) {
    if (!iniFile.isEmpty()) return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("fettlekit"), QStringLiteral("fettlekit"));
}

QString samePath(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// Home as ~, as the user would write it.
QString shownPath(const QString& path) {
    const QString home = QDir::homePath();
    QString shown = QDir::cleanPath(path);
    if (shown == home || shown.startsWith(home + QLatin1Char('/'))) shown.replace(0, home.size(), QStringLiteral("~"));
    return QDir::toNativeSeparators(shown);
}

}  // namespace

QString LastPrefix::load() const { return settingsFile(iniFile_)->value(LastPrefixKey).toString(); }

void LastPrefix::save(const QString& prefixDir) { settingsFile(iniFile_)->setValue(LastPrefixKey, prefixDir); }

FoundPrefixes findPrefixesNow(const QString& last) {
    FoundPrefixes found;
    const wine::PrefixSearch search = wine::findPrefixes(wine::rootsFromEnvironment());
    for (const std::string& dir : search.found) found.prefixes << QString::fromStdString(dir);
    for (const std::string& place : search.looked) found.looked << QString::fromStdString(place);
    found.prefixes = withFirst(found.prefixes, last);
    return found;
}

QStringList withFirst(QStringList prefixes, const QString& first) {
    if (first.isEmpty()) return prefixes;
    for (int i = 0; i < prefixes.size(); ++i) {
        if (samePath(prefixes[i]) != samePath(first)) continue;
        prefixes.move(i, 0);
        break;
    }
    return prefixes;
}

QString hiveFileOf(const QString& chosen) {
    if (QFileInfo(chosen).isDir()) return QDir(chosen).filePath(QStringLiteral("user.reg"));
    return chosen;
}

QString prefixOf(const QString& hiveFile) { return QFileInfo(hiveFile).absolutePath(); }

dialogs::PrefixDialog::Verdict checkPlace(const QString& chosen) {
    if (!QFileInfo::exists(chosen))
        return {Texts::tr("Fettlekit looked for %1, but there is no such folder.")
                    .arg(QDir::toNativeSeparators(chosen))};
    const QString file = hiveFileOf(chosen);
    const QString shown = QDir::toNativeSeparators(file);
    if (!QFileInfo::exists(file)) {
        // Wine's server holds the registry of a prefix it serves, and
        // writes user.reg only when it stops.
        if (QFileInfo(chosen).isDir() && wine::findWineServer(chosen.toStdString()).running) return {};
        return {Texts::tr("Fettlekit looked for the registry file %1, but there is none: this is not a Wine "
                          "prefix. A prefix is the folder that holds user.reg, beside drive_c.")
                    .arg(shown)};
    }
    QFile readable(file);
    if (!QFileInfo(file).isFile() || !readable.open(QIODevice::ReadOnly))
        return {Texts::tr("Fettlekit cannot read the registry file %1 (%2).")
                    .arg(shown, QFileInfo(file).isFile() ? readable.errorString() : Texts::tr("not a file"))};
    readable.close();
    reg::HiveOpenResult hive = reg::openHiveRegistry(file.toStdString());
    if (!hive.registry) {
        const QString note = exportedSettingsNote(file);
        if (!note.isEmpty()) return {note};
        return {Texts::tr("The registry file is damaged: %1. Fettlekit leaves it as it is.")
                    .arg(RegistryTexts::problem(hive.error))};
    }
    if (PreferenceKeys::rootExists(*hive.registry)) return {};
    return {Texts::tr("Fettlekit looked in %1 for Brisko!'s settings (the key HKEY_CURRENT_USER\\%2), but "
                      "there are none: Brisko! 3 has not run in this prefix yet. Open it anyway to create "
                      "the key.")
                .arg(shown, QString::fromLatin1(StoreRootPath)),
            true};
}

QString exportedSettingsNote(const QString& file) {
    QFile head(file);
    if (!head.open(QIODevice::ReadOnly)) return {};
    if (regfile::fileHeader(head.read(256).toStdString()) == regfile::Header::Invalid) return {};
    return Texts::tr("%1 is a file of exported settings, not a prefix's registry: File > \"Import settings…\" "
                     "reads it.")
        .arg(QDir::toNativeSeparators(file));
}

QString prefixTitle(const QString& prefixDir) {
    const wine::PrefixLabel label = wine::labelPrefix(prefixDir.toStdString(), wine::rootsFromEnvironment());
    if (label.name.empty()) return shownPath(prefixDir);
    return QString::fromStdString(label.frontEnd + ": " + label.name);
}

dialogs::PrefixDialog::Request chooserRequest(const FoundPrefixes& found, const QString& preselect) {
    dialogs::PrefixDialog::Request request;
    request.prefixes = found.prefixes;
    request.check = checkPlace;
    if (found.prefixes.isEmpty()) {
        request.note = Texts::tr("No Wine prefix with Brisko! 3 was found. Fettlekit looked in:");
        request.looked = found.looked;
        return request;
    }
    request.preselected = 0;
    for (int i = 0; i < found.prefixes.size(); ++i) {
        const QString& prefix = found.prefixes[i];
        const QString title = prefixTitle(prefix);
        const QString where = shownPath(prefix);
        request.labels << (title == where ? Texts::tr("Wine: %1").arg(where)
                                          : QStringLiteral("%1 \u2014 %2").arg(title, where));
        if (samePath(prefix) == samePath(preselect)) request.preselected = i;
    }
    return request;
}

std::optional<dialogs::PrefixDialog::Choice> choosePrefixAtStart(const FoundPrefixes& found,
                                                                 dialogs::PrefixDialog& chooser) {
    if (found.prefixes.size() == 1) return dialogs::PrefixDialog::Choice(found.prefixes.front());
    return chooser.choose(nullptr, chooserRequest(found, found.prefixes.value(0)));
}

}  // namespace fk
