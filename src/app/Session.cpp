// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Session.h"

#include "app/CompareSettings.h"
#include "app/CopySettings.h"
#include "app/CommandLine.h"
#include "app/MainMenu.h"
#include "app/Messages.h"
#include "dialogs/PrefixDialog.h"
#include "app/RegistryTexts.h"
#include "app/QuitAfterFirstPaint.h"
#include "app/Version.h"
#include "dialogs/Dialogs.h"
#include "platform/wine/WinePath.h"
#include "store/PreferenceKeys.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

namespace fk {

reg::RegistryChoice openHive(const QString& path, dialogs::Dialogs& dialogs) {
    reg::RegistryChoice opened = reg::openRegistryFollowingWine(path.toStdString());
    if (opened.bridgeError)
        complain(Session::tr("Wine's live registry cannot be reached: ") + RegistryTexts::problem(opened.bridgeError));
    if (!opened.registry) {
        const QString why = RegistryTexts::problem(opened.error);
        complain(why);
        const QString note = exportedSettingsNote(path);
        dialogs.messages.show(nullptr, messages::registryError(), messages::errorTitle(),
                              dialogs::MessageIcon::Critical, note.isEmpty() ? why : note);
    }
    return opened;
}

dialogs::FileDialog::PathMapping fileNamesForAddOn(const QString& hivePath) {
    const std::string prefix = QFileInfo(hivePath).absolutePath().toStdString();
    return [prefix](const QString& path) {
        return QString::fromStdString(wine::windowsPathFor(path.toStdString(), prefix));
    };
}

bool showMainWindow(MainWindow& window, const reg::RegistryChoice& opened, dialogs::Dialogs& dialogs) {
    if (!window.load()) return false;
    window.setStoreReadOnly(opened.wineRunning,
                            RegistryTexts::problem(opened.bridgeError ? reg::wineWithoutBridge(opened.bridgeError)
                                                                      : reg::Problem()));
    // Once the window is on screen, so that the warning opens over it.
    if (opened.wineRunning)
        new AfterFirstPaint(window, [&window, &dialogs] {
            dialogs.messages.show(&window, messages::wineRunning(), messages::warningTitle(),
                                  dialogs::MessageIcon::Exclamation);
        });
    return true;
}

Session::Session(dialogs::Dialogs& dialogs, dialogs::PrefixDialog& chooser, LastPrefix& last, FindPrefixes find,
                 MainWindow::ExitFunction exitProgram)
    : dialogs_(dialogs), chooser_(chooser), last_(last), find_(std::move(find)), exit_(std::move(exitProgram)) {}

Session::~Session() = default;

bool Session::open(const QString& hiveFile, bool remember, bool createStoreKey) {
    reg::RegistryChoice opened = openHive(hiveFile, dialogs_);
    if (!opened.registry) return false;
    // A failure shows when the window opens the store.
    if (createStoreKey) PreferenceKeys::makeRoot(*opened.registry);
    Opened next;
    next.hiveFile = hiveFile;
    // A store that fails while the user moves to it ends nothing: the old
    // window stays.
    next.window = std::make_unique<MainWindow>(*opened.registry, dialogs_, [this](int status) {
        if (!switching_) exit_(status);
    });
    next.registry = std::move(opened.registry);
    next.window->setWindowTitle(tr("Fettlekit \u2013 %1").arg(prefixTitle(prefixOf(hiveFile))));
    addActions(*next.window);
    dialogs_.files.setPathMapping(fileNamesForAddOn(hiveFile));
    // The new window takes the old one's place and account.
    if (current_.window) next.window->move(current_.window->pos());
    if (!showMainWindow(*next.window, opened, dialogs_)) {
        if (current_.window) dialogs_.files.setPathMapping(fileNamesForAddOn(current_.hiveFile));
        return false;
    }
    if (remember) last_.save(prefixOf(hiveFile));
    if (current_.window) {
        next.window->chooseAccountNamed(current_.window->chosenAccount());
        current_.window->close();
        retired_.push_back(std::move(current_));
        // The old window may be the one whose menu asked for this.
        QTimer::singleShot(0, this, [this] { retired_.clear(); });
    }
    current_ = std::move(next);
    return true;
}

void Session::openAnotherPrefix() {
    const FoundPrefixes found = find_(last_.load());
    const auto chosen = chooser_.choose(window(), chooserRequest(found, prefixOf(current_.hiveFile)));
    if (!chosen) return;
    switching_ = true;
    open(hiveFileOf(chosen->place), true, chosen->anyway);
    switching_ = false;
}

void Session::showAbout() {
    dialogs_.messages.show(window(),
                           tr("Fettlekit %1\nEdits the hidden settings of Brisko! in a Wine prefix.\n\n"
                              "Editing: %2")
                               .arg(QStringLiteral(FK_VERSION_TEXT), QDir::toNativeSeparators(current_.hiveFile)),
                           tr("About Fettlekit"), dialogs::MessageIcon::Information);
}

void Session::addActions(MainWindow& window) {
    auto* open = new QAction(tr("&Open prefix…"), &window);
    open->setObjectName(QStringLiteral("actionOpenPrefix"));
    connect(open, &QAction::triggered, this, &Session::openAnotherPrefix);
    window.menu().addFileAction(open);
    // Compare with, or copy to, another prefix the finder found, never the one open.
    const auto pickPrefix = [this]() -> std::optional<QString> {
        const auto chosen = chooser_.choose(this->window(), chooserRequest(find_(last_.load()), QString()));
        if (!chosen || hiveFileOf(chosen->place) == current_.hiveFile) return std::nullopt;
        return hiveFileOf(chosen->place);
    };
    window.compare().setPrefixPicker(pickPrefix);
    window.copier().setPrefixPicker(pickPrefix);
    window.copier().setOtherPrefixes([this] {
        std::vector<CopySettings::OtherPrefix> others;
        for (const QString& prefix : find_(last_.load()).prefixes)
            if (hiveFileOf(prefix) != current_.hiveFile) others.push_back({hiveFileOf(prefix), prefixTitle(prefix)});
        return others;
    });
    QAction* about = window.menu().help()->addAction(tr("About"));
    about->setObjectName(QStringLiteral("actionAbout"));
    connect(about, &QAction::triggered, this, &Session::showAbout);
}

}  // namespace fk
