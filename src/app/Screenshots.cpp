// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Screenshots.h"

#include "app/MainWindow.h"
#include "app/SettingsTree.h"
#include "app/TransferPictures.h"
#include "catalogue/Catalogue.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>

namespace fk {

namespace {

const char* const KindNames[] = {"boolean", "number", "text", "file", "colour",
                                 "account", "font", "switch-with-text", "quick-texts"};

class Tour {
public:
    Tour(MainWindow& window, const QString& dir) : window_(window), dir_(dir) {}

    bool save(const QString& name, const QPixmap& picture) {
        const QString path = dir_.filePath(QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QLatin1Char('0')).arg(name));
        if (picture.save(path)) return true;
        std::fprintf(stderr, "fettlekit: cannot write %s\n", qPrintable(path));
        return false;
    }
    bool shoot(const QString& name) { return save(name, window_.grab()); }

    // Chooses an item of Combo1 as a user would.
    void choose(const QString& item) {
        auto* combo = window_.findChild<QComboBox*>(QStringLiteral("Combo1"));
        combo->setCurrentIndex(combo->findText(item));
        window_.chooseAccount(item);
        chosen_ = item;
    }

    // The first account of the chooser, else the default user.
    QString anAccount() const {
        auto* combo = window_.findChild<QComboBox*>(QStringLiteral("Combo1"));
        for (int i = 0; i < combo->count(); ++i)
            if (!combo->itemText(i).startsWith(QLatin1Char(' '))) return combo->itemText(i);
        return MainWindow::defaultUser();
    }

    // Shows entry `index`, choosing the set it belongs to first.
    void select(int index) {
        const bool allUsers = settingEntry(index).allUsers;
        if (allUsers && chosen_ != MainWindow::allUsers()) choose(MainWindow::allUsers());
        if (!allUsers && chosen_ == MainWindow::allUsers()) choose(anAccount());
        auto* tree = window_.findChild<SettingsTree*>(QLatin1String(allUsers ? "TreeView2" : "TreeView1"));
        QTreeWidgetItem* node = tree->nodeByKey(QStringLiteral("P%1").arg(index));
        tree->setCurrentItem(node);
        window_.showSetting(node);
    }

    QString chosen() const { return chosen_; }

private:
    MainWindow& window_;
    QDir dir_;
    int count_ = 0;
    QString chosen_;
};

int firstOfKind(SettingKind kind) {
    for (int i = 0; i < SettingCount; ++i)
        if (settingEntry(i).kind == kind) return i;
    return -1;
}

int firstOfTextStyle(int style) {
    for (int i = 0; i < SettingCount; ++i)
        if (settingEntry(i).kind == SettingKind::Text && settingEntry(i).textStyle == style) return i;
    return -1;
}

// The main window with the picker drawn where it stands over it.
QPixmap withPicker(MainWindow& window, QWidget* picker) {
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    painter.drawPixmap(picker->geometry().topLeft() - window.geometry().topLeft(), picker->grab());
    return picture;
}

}  // namespace

int takeScreenshots(MainWindow& window, const QString& dir) {
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "fettlekit: cannot make %s\n", qPrintable(dir));
        return 1;
    }
    Tour tour(window, dir);
    bool ok = tour.shoot(QStringLiteral("start"));
    tour.choose(tour.anAccount());
    ok = tour.shoot(QStringLiteral("account")) && ok;
    for (int kind = 0; kind < int(SettingKind::None); ++kind) {
        const int index = firstOfKind(SettingKind(kind));
        if (index < 0) continue;
        tour.select(index);
        ok = tour.shoot(QStringLiteral("%1-%2").arg(QLatin1String(KindNames[kind]),
                                                    QString::fromStdString(settingEntry(index).valueName))) &&
             ok;
    }
    const int dateFormat = firstOfTextStyle(DateFormat);
    if (dateFormat >= 0) {
        tour.select(dateFormat);
        QWidget* shown = window.panel(window.panelOfKind()[size_t(SettingKind::Text)]);
        if (auto* insertTag = shown->findChild<QPushButton*>(QStringLiteral("Command52"))) insertTag->click();
        if (QWidget* picker = window.tagPicker().window()) {
            ok = tour.save(QStringLiteral("tag-picker"), withPicker(window, picker)) && ok;
        } else {
            std::fprintf(stderr, "fettlekit: the tag picker did not open\n");
            ok = false;
        }
    }
    // A number out of its range, with what it takes under the form.
    const int number = firstOfKind(SettingKind::Number);
    tour.select(number);
    if (auto* box = window.panel(window.panelOfKind()[size_t(SettingKind::Number)])->findChild<QLineEdit*>(
            QStringLiteral("Text28"))) {
        box->setText(QString::number(settingEntry(number).minValue - 1));
        ok = tour.shoot(QStringLiteral("number-out-of-range")) && ok;
    }
    // Tab from the account chooser into the list: the shown setting's row has the focus.
    if (auto* chooser = window.findChild<QComboBox*>(QStringLiteral("Combo1"))) {
        // Focus shows in an active window only, which the window manager makes it.
        window.activateWindow();
        QDeadlineTimer activation(2000);
        while (!window.isActiveWindow() && !activation.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        chooser->setFocus(Qt::TabFocusReason);
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(chooser, &tab);
        ok = tour.shoot(QStringLiteral("tab-into-list")) && ok;
    }
    // The marks of the settings changed from their default, with the list
    // narrowed by the find box.
    tour.choose(tour.anAccount());
    auto* find = window.findChild<QAction*>(QStringLiteral("actionFind"));
    auto* filter = window.findChild<QLineEdit*>(QStringLiteral("filterBox"));
    if (find && filter) {
        find->trigger();
        filter->setText(QStringLiteral("icon"));
        for (int index = 0; index < SettingCount; ++index)
            if (settingEntry(index).valueName == "IconShowDelay") tour.select(index);
        ok = tour.shoot(QStringLiteral("marks-and-find")) && ok;
        // Changed only: what this account changed, alone in the list.
        if (auto* changedOnly = window.findChild<QAction*>(QStringLiteral("actionChangedOnly"))) {
            filter->clear();
            changedOnly->trigger();
            ok = tour.shoot(QStringLiteral("changed-only")) && ok;
            changedOnly->trigger();
        }
        // What moves settings between places, each as its dialog shows it.
        const std::pair<const char*, QPixmap (*)(MainWindow&)> transfers[] = {
            {"import", importPicture}, {"compare", comparePicture}, {"copy-targets", copyTargetsPicture},
            {"copy", copyPicture}};
        for (const auto& [name, picture] : transfers) ok = tour.save(QLatin1String(name), picture(window)) && ok;
    } else {
        std::fprintf(stderr, "fettlekit: no find box\n");
        ok = false;
    }
    window.close();
    return ok ? 0 : 1;
}

}  // namespace fk
