// SPDX-License-Identifier: GPL-3.0-or-later
// The window, every panel and the tag picker in the font, scale and language
// this run was started with (see CMakeLists.txt): every caption fits its
// control, no two sibling controls overlap but a label laid under a display
// on purpose, and the keyboard reaches and presses what the mouse does.
// Under the pseudo-translation every text of ours on show is bracketed.
#include "AppDriver.h"
#include "app/Translations.h"
#include "editors/EditorPanel.h"
#include "form/FormMetrics.h"
#ifndef _WIN32
#include "app/PrefixChoice.h"
#endif

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace fk::testing {
namespace {

// Labels that stand under a display and show only while it is hidden.
const std::set<std::pair<QString, QString>> LaidUnder = {
    {"Label5", "Text17"}, {"Label20", "Text1"}, {"Label6", "Shape1"}};

QSize textSize(const QWidget* w, const QString& text, int width, bool wrap) {
    return QFontMetrics(w->font()).boundingRect(QRect(0, 0, width, 100000), wrap ? Qt::TextWordWrap : 0, text).size();
}

// Where a control's caption is drawn, by the style that draws it.
QRect captionBox(const QWidget* w) {
    QStyleOptionButton option;
    option.initFrom(w);
    if (qobject_cast<const QPushButton*>(w)) {
        const int margin = w->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, w);
        return w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w).adjusted(margin / 2, 0, -margin / 2, 0);
    }
    if (qobject_cast<const QCheckBox*>(w)) return w->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, w);
    if (qobject_cast<const QRadioButton*>(w)) return w->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, w);
    return w->contentsRect();
}

QString caption(const QWidget* w) {
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(w)) return group->title();
    return {};
}

// The caption's size as the control lays it out.
QSize captionSize(const QWidget* w) {
    return textSize(w, caption(w), captionBox(w).width(), w->property("wordWrap").toBool());
}

void expectCaptionFits(const QWidget* w) {
    if (caption(w).isEmpty()) return;
    const QRect box = captionBox(w);
    const QSize need = captionSize(w);
    EXPECT_TRUE(need.width() <= box.width() && need.height() <= box.height())
        << w->objectName().toStdString() << " \"" << caption(w).toStdString() << "\" needs " << need.width() << "x"
        << need.height() << " in " << box.width() << "x" << box.height();
}

// What a control covers of its parent: a label or a choice, having no
// background, only where its caption (and mark) is drawn.
QRect covered(const QWidget* w) {
    const bool label = qobject_cast<const QLabel*>(w) != nullptr;
    if (!label && !qobject_cast<const QCheckBox*>(w) && !qobject_cast<const QRadioButton*>(w)) return w->geometry();
    const Qt::Alignment align = label ? qobject_cast<const QLabel*>(w)->alignment() : Qt::AlignLeft | Qt::AlignVCenter;
    const QRect box = captionBox(w);
    QRect drawn = QStyle::alignedRect(Qt::LeftToRight, align, captionSize(w).boundedTo(box.size()), box);
    if (!label) {
        QStyleOptionButton option;
        option.initFrom(w);
        drawn |= w->style()->subElementRect(qobject_cast<const QCheckBox*>(w) ? QStyle::SE_CheckBoxIndicator
                                                                               : QStyle::SE_RadioButtonIndicator,
                                            &option, w);
    }
    return drawn.translated(w->pos());
}

bool isContainer(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || w->objectName().startsWith("Picture1") || w->objectName() == "clientArea";
}

// Every shown control under `parent`: its caption, its place inside its
// parent and apart from its siblings.
void expectLaidOut(const QWidget* parent) {
    QList<const QWidget*> shown;
    for (const QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) shown << w;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QWidget* w = shown[i];
        expectCaptionFits(w);
        if (w->property("readOnly").toBool()) {
            EXPECT_EQ(w->palette().color(QPalette::Base), w->palette().color(QPalette::Disabled, QPalette::Base))
                << w->objectName().toStdString() << " shows a value but looks editable";
        }
        EXPECT_TRUE(parent->rect().contains(w->geometry())) << w->objectName().toStdString() << " leaves its parent";
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            const QString a = w->objectName(), b = shown[j]->objectName();
            if (LaidUnder.count({a, b}) || LaidUnder.count({b, a})) continue;
            EXPECT_FALSE(covered(w).intersects(covered(shown[j])))
                << a.toStdString() << " overlaps " << b.toStdString();
        }
        if (isContainer(w)) expectLaidOut(w);
    }
}

// The whole description can be read: the label holds its wrapped text and
// the box scrolls to its end.
void expectDescriptionReadable(const QScrollArea* box) {
    QCoreApplication::sendPostedEvents();  // the box fits its label when the loop runs
    const auto* label = qobject_cast<const QLabel*>(box->widget());
    ASSERT_NE(label, nullptr);
    const QSize need = textSize(label, label->text(), label->contentsRect().width(), true);
    EXPECT_LE(need.height(), label->height()) << label->text().left(30).toStdString();
    EXPECT_GE(box->verticalScrollBar()->maximum(), label->height() - box->viewport()->height());
}

// The language of this run: LANGUAGE's, loaded as the program loads it, or
// the translation file FK_TRANSLATION names.
class Translated : public ::testing::Environment {
    void SetUp() override {
        if (!Pseudo) return installTranslations(*qApp);
        auto* pseudo = new QTranslator(qApp);
        ASSERT_TRUE(pseudo->load(qEnvironmentVariable("FK_TRANSLATION")));
        QCoreApplication::installTranslator(pseudo);
    }

public:
    static inline const bool Pseudo = !qEnvironmentVariableIsEmpty("FK_TRANSLATION");
};
const auto* const translated = ::testing::AddGlobalTestEnvironment(new Translated);

// Names of settings and values are the registry's own, and places are the
// file system's, shown as they are; Qt's own buttons take Qt's translations.
const std::set<QString> NotOurs = {"Frame4", "Label18", "Label19", "lookedIn"};
bool qtsOwn(QWidget* w) {
    auto* box = qobject_cast<const QDialogButtonBox*>(w->parentWidget());
    return box && box->standardButton(qobject_cast<QAbstractButton*>(w)) != QDialogButtonBox::NoButton;
}

void expectTranslated(const QWidget* top) {
    QStringList texts{top->windowTitle()};
    for (QWidget* w : top->findChildren<QWidget*>())
        if (w->isVisibleTo(top) && !NotOurs.count(w->objectName()) && !qtsOwn(w)) texts << caption(w);
    for (const QMenu* menu : top->findChildren<QMenu*>()) {
        texts << menu->title();
        for (const QAction* action : menu->actions()) texts << action->text();
    }
    for (const QListWidget* list : top->findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text().section('\t', 1);
    for (const QString& text : texts)
        EXPECT_TRUE(text.isEmpty() || (text.startsWith('[') && text.endsWith(']'))) << "untranslated: " << text.toStdString();
}

void expectShownWell(const QWidget* top) { Translated::Pseudo ? expectTranslated(top) : expectLaidOut(top); }

// The font and scale of this run took effect, and every setting's panel,
// description and tag list shows and fits in them.
TEST(Layout, EveryPanelDescriptionAndTagListFitsItsPlaces) {
    AppHive hive{hiveKey("Software\\Tavrel\\Brisko2") + hiveKey(AlicePrefs)};
    Fettlekit app{hive.path()};
    ASSERT_TRUE(app.loaded);
    EXPECT_GE(form::FormMetrics().lineHeight(), qEnvironmentVariableIntValue("FK_MIN_LINE_HEIGHT"));
    EXPECT_EQ(app.window->devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
    expectShownWell(app.window.get());
    std::set<int> pickerStyles;
    for (int index = 0; index < SettingCount; ++index) {
        const SettingEntry& e = settingEntry(index);
        SCOPED_TRACE(e.valueName);
        const QString group = e.allUsers ? MainWindow::allUsers() : QStringLiteral("alice");
        if (app.chooser()->currentText() != group) app.pick(group);
        app.clickSetting(index);
        app.expectShowing(index);
        QWidget* panel = app.panelOf(index);
        expectShownWell(app.window.get());
        expectDescriptionReadable(app.control<QScrollArea>("Label1Box"));
        if (e.kind != SettingKind::Text || e.textStyle == Plain || !pickerStyles.insert(e.textStyle).second) continue;
        QTest::mouseClick(control<QPushButton>(panel, "Command52"), Qt::LeftButton);
        QWidget* picker = app.window->tagPicker().window();
        ASSERT_NE(picker, nullptr);
        expectShownWell(picker);
        auto* list = control<QListWidget>(picker, "List1");
        for (int row = 0; row < list->count(); ++row) {
            const QModelIndex item = list->model()->index(row, 0);
            EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(item))) << row;
            EXPECT_LE(list->sizeHintForIndex(item).width(), list->viewport()->width()) << row;
        }
    }
    EXPECT_EQ(pickerStyles.size(), 3u);
}

// An import refused in the window, for a line or for a file that cannot be
// read, says why in the language of the run, naming the line or the file;
// under the pseudo-translation it is three texts of ours (the sentence, the
// reason in it and "Nothing was imported."), each bracketed, and nothing
// is left once they are taken out.
TEST(Layout, AnImportRefusalReadsInTheLanguage) {
    AppHive hive{hiveKey("Software\\Tavrel\\Brisko2") + hiveKey(AlicePrefs)};
    Fettlekit app{hive.path()};
    const std::string refused = hive.folder() + "/other.reg", missing = hive.folder() + "/missing.reg";
    writeBytes(refused, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Other]\r\n");
    for (const std::string& file : {refused, missing}) {
        app.dialogs.files.queueAnswer(QString::fromStdString(file));
        app.window->findChild<QAction*>("actionImport")->trigger();
    }
    ASSERT_EQ(app.messages().size(), 2u);
    const QString missingName = QRegularExpression::escape(QString::fromStdString(missing));
    const QRegularExpression named[] = {QRegularExpression(QStringLiteral("\\b3\\b.*Software\\\\Other")),
                                        QRegularExpression(missingName)};
    for (size_t i = 0; i < 2; ++i) {
        QString text = app.messages()[i].text;
        EXPECT_TRUE(text.contains(named[i])) << text.toStdString();
        if (!Translated::Pseudo) continue;
        EXPECT_EQ(text.count('['), 3) << "untranslated: " << text.toStdString();
        for (qsizetype length = -1; length != text.size();)
            length = text.size(), text.remove(QRegularExpression(QStringLiteral("\\[[^][]*\\]")));
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\w")))) << "left: " << text.toStdString();
    }
}

#ifndef _WIN32
// With nothing found, the chooser keeps every line of its note, each place
// looked at whole on a line of its own.
TEST(ChooserLayout, TheNoteOfWhereFettlekitLookedFitsWhole) {
    FoundPrefixes none = findPrefixesNow({});
    none.prefixes.clear();
    QTimer::singleShot(0, [] {
        auto* chooser = QApplication::activeModalWidget();
        ASSERT_NE(chooser, nullptr);
        expectShownWell(chooser);
        chooser->close();
    });
    dialogs::PrefixDialog().choose(nullptr, chooserRequest(none, {}));
}

// A damaged prefix keeps the chooser open with the reason, whose every part
// (the sentence, the place, the line, what is wrong there) is worded by us.
TEST(ChooserLayout, TheReasonADamagedPrefixIsRefusedFits) {
    AppHive damaged(hiveKey("Software\\Tavrel\\Brisko2"));
    damaged.replace(hiveText(hiveKey("Software\\Tavrel\\Brisko2", "\"v\"=dword:xyz\n")));
    FoundPrefixes found = findPrefixesNow({});
    found.prefixes = {QString::fromStdString(damaged.folder())};
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        chooser->accept();
        const auto* problem = chooser->findChild<QLabel*>("prefixProblem");
        ASSERT_TRUE(problem && problem->isVisible());
        expectShownWell(chooser);
        if (Translated::Pseudo) {
            EXPECT_EQ(problem->text().count("~]"), 4) << problem->text().toStdString();
        }
        chooser->close();
    });
    dialogs::PrefixDialog().choose(nullptr, chooserRequest(found, found.prefixes[0]));
}
#endif

}  // namespace
}  // namespace fk::testing
