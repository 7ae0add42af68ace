#include "PrefixChoice.h"

#include "PrefixFinder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace fk {

namespace {

const QString LastPrefixKey = QStringLiteral("prefix/last");

std::unique_ptr<QSettings> settingsFile(const QString& iniFile) {
    if (!iniFile.isEmpty()) return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("fettlekit"), QStringLiteral("fettlekit"));
}

QString samePath(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

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

dialogs::PrefixDialog::Request chooserRequest(const FoundPrefixes& found, const QString& preselect) {
    dialogs::PrefixDialog::Request request;
    request.prefixes = found.prefixes;
    if (found.prefixes.isEmpty()) {
        request.note = QStringLiteral("No Wine prefix with Brisko! 3 was found. Fettlekit looked in:\n%1\n\n"
                                      "Browse to the prefix folder, or to its user.reg.")
                           .arg(found.looked.join(QLatin1Char('\n')));
        return request;
    }
    request.preselected = 0;
    for (int i = 0; i < found.prefixes.size(); ++i)
        if (samePath(found.prefixes[i]) == samePath(preselect)) request.preselected = i;
    return request;
}

std::optional<QString> choosePrefixAtStart(const FoundPrefixes& found, dialogs::PrefixDialog& chooser) {
    if (found.prefixes.size() == 1) return found.prefixes.front();
    return chooser.choose(nullptr, chooserRequest(found, found.prefixes.value(0)));
}

}  // namespace fk
