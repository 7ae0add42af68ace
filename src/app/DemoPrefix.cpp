// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DemoPrefix.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace fk {

namespace {

// The context translators find this file's texts under.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(fk::DemoPrefix)
};

}  // namespace

namespace fs = std::filesystem;

QString demoPrefixSource() {
    const QStringList candidates = {
        QStringLiteral(FK_SOURCE_DIR "/examples/demo-prefix"),
        QStringLiteral(FK_INSTALLED_EXAMPLES "/demo-prefix"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/fettlekit/examples/demo-prefix"),
    };
    for (const QString& dir : candidates)
        if (QFileInfo::exists(dir + QStringLiteral("/user.reg"))) return QDir::cleanPath(dir);
    return {};
}

QString userStateDir() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.isEmpty() && QDir::isAbsolutePath(state)) return state;
    return QDir::homePath() + QStringLiteral("/.local/state");
}

QString prepareDemoPrefix(const QString& source, const QString& stateDir, QString* error) {
    const fs::path target = fs::path(stateDir.toStdString()) / "fettlekit" / "demo-prefix";
    const QString hive = QString::fromStdString((target / "user.reg").string());
    if (fs::exists(target / "user.reg")) return hive;

    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return QString();
    };
    if (source.isEmpty() || !QFileInfo::exists(source + QStringLiteral("/user.reg")))
        return fail(Texts::tr("The demo prefix was not found."));
    if (fs::exists(target))
        return fail(Texts::tr("%1 exists but holds no user.reg; move it away to get a fresh demo copy.")
                        .arg(QString::fromStdString(target.string())));

    // Copy beside the target, then rename, so the target is whole or absent.
    const fs::path partial = target.string() + ".partial-" + std::to_string(QCoreApplication::applicationPid());
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (!ec) fs::remove_all(partial, ec);
    if (!ec) fs::copy(source.toStdString(), partial, fs::copy_options::recursive | fs::copy_options::copy_symlinks, ec);
    if (!ec) fs::rename(partial, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove_all(partial, ignored);
        return fail(Texts::tr("Cannot copy the demo prefix to %1: %2")
                        .arg(QString::fromStdString(target.string()), QString::fromStdString(ec.message())));
    }
    return hive;
}

}  // namespace fk
