// The window, every panel and the tag picker in the font and scale this run
// was started with (see CMakeLists.txt): every caption fits its control, no
// two sibling controls overlap but a label laid under a display on purpose,
// and the keyboard reaches and presses what the mouse does.
#include "AppDriver.h"
#include "EditorPanel.h"
#include "FormMetrics.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace fk::testing {
namespace {

// Labels that stand under a display and show only while it is hidden.
const std::set<std::pair<QString, QString>> LaidUnder = {
    {"Label5", "Text17"}, {"Label20", "Text1"}, {"Label6", "Shape1"}};

std::string storeWithAccount() {
    return hiveKey("Software\\Tavrel\\Brisko2") + hiveKey("Software\\Tavrel\\Brisko2\\alice\\Preferences");
}

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
    const auto* label = qobject_cast<const QLabel*>(box->widget());
    ASSERT_NE(label, nullptr);
    const QSize need = textSize(label, label->text(), label->contentsRect().width(), true);
    EXPECT_LE(need.height(), label->height()) << label->text().left(30).toStdString();
    EXPECT_GE(box->verticalScrollBar()->maximum(), label->height() - box->viewport()->height());
}

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        hive_ = std::make_unique<AppHive>(storeWithAccount());
        app_ = std::make_unique<Fettlekit>(hive_->path());
        ASSERT_TRUE(app_->loaded);
    }
    // Shows entry `index`, choosing the group of settings it belongs to.
    void show(int index) {
        const QString group = settingEntry(index).AllUsers ? MainWindow::AllUsers : QStringLiteral("alice");
        if (app_->chooser()->currentText() != group) app_->pick(group);
        app_->clickSetting(index);
    }
    QWidget* shownPanel() const {
        return app_->window->panel(app_->window->PanelOfKind()[size_t(settingEntry(app_->window->Pref_Actual()).Kind)]);
    }
    std::unique_ptr<AppHive> hive_;
    std::unique_ptr<Fettlekit> app_;
};

// The design font's base units give 15 twips a pixel; others scale each
// direction by their own unit, and touching controls still touch.
TEST(FormMetricsTest, ScaleByLetterWidthAcrossAndLineHeightDown) {
    EXPECT_EQ(FormMetrics(6, 13).rect(120, 240, 4335, 2535), QRect(8, 16, 289, 169));
    const FormMetrics large(12, 26);
    EXPECT_EQ(large.rect(120, 240, 4335, 2535), QRect(16, 32, 578, 338));
    const FormMetrics odd(7, 14);
    EXPECT_EQ(odd.rect(0, 0, 6825, 750).right() + 1, odd.rect(6825, 0, 615, 375).left());
}

// The font and scale of this run took effect.
TEST_F(LayoutTest, RunsInTheFontAndScaleAskedFor) {
    EXPECT_GE(FormMetrics().lineHeight(), qEnvironmentVariableIntValue("FK_MIN_LINE_HEIGHT"));
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
    EXPECT_EQ(app_->window->devicePixelRatio(), scale.toDouble());
}

TEST_F(LayoutTest, EveryPanelAndDescriptionFitsItsPlaces) {
    expectLaidOut(app_->window.get());
    for (int index = 0; index < SettingCount; ++index) {
        SCOPED_TRACE(settingEntry(index).ValueName);
        show(index);
        expectLaidOut(app_->window.get());
        expectDescriptionReadable(app_->control<QScrollArea>("Label1Box"));
    }
}

TEST_F(LayoutTest, TagPickerShowsEveryRowWhole) {
    for (int style : {DateFormat, TimeFormat, TagFormat}) {
        for (int index = 0; index < SettingCount; ++index) {
            if (settingEntry(index).Kind != Text || settingEntry(index).TextStyle != style) continue;
            show(index);
            QTest::mouseClick(app_->control<QPushButton>(shownPanel(), "Command52"), Qt::LeftButton);
            QWidget* picker = app_->window->tagPicker().window();
            ASSERT_NE(picker, nullptr);
            expectLaidOut(picker);
            auto* list = app_->control<QListWidget>(picker, "List1");
            for (int row = 0; row < list->count(); ++row) {
                const QModelIndex item = list->model()->index(row, 0);
                EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(item))) << row;
                EXPECT_LE(list->sizeHintForIndex(item).width(), list->viewport()->width()) << row;
            }
            break;
        }
    }
}

TEST_F(LayoutTest, TabFollowsReadingOrderAndReturnPresses) {
    show(settingIndex("ContactSoundMaxTime"));
    QWidget* panel = shownPanel();
    auto* box = app_->control<QLineEdit>(panel, "Text28");
    // The read-only default display is passed over.
    app_->window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app_->window.get()));
    app_->control<QPushButton>(panel, "Command36")->setFocus();
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"Command36", "Command35", "Slider4", "Text28"}));

    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "41");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(hive_->storedNumber("Software\\Tavrel\\Brisko2\\alice\\Preferences", "ContactSoundMaxTime"), 41);
    QTest::keyClick(app_->control<QPushButton>(panel, "Command36"), Qt::Key_Return);
    EXPECT_EQ(hive_->storedNumber("Software\\Tavrel\\Brisko2\\alice\\Preferences", "ContactSoundMaxTime"),
              settingEntry(settingIndex("ContactSoundMaxTime")).DefaultLong);

    // Out of its limits the box turns red; back inside it takes the palette's colour.
    box->setText("100000");
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(255, 0, 0));
    box->setText("20");
    EXPECT_EQ(box->palette().color(QPalette::Text), panel->palette().color(QPalette::Text));
    EXPECT_TRUE(app_->messages().empty());
}

TEST_F(LayoutTest, PickerTakesReturnAndEscWithoutClosingTheProgram) {
    show(settingIndex("ArchiveFileDateFmt"));
    auto* box = app_->control<QLineEdit>(shownPanel(), "Text33");
    box->setText("");
    QTest::mouseClick(app_->control<QPushButton>(shownPanel(), "Command52"), Qt::LeftButton);
    QWidget* picker = app_->window->tagPicker().window();
    ASSERT_NE(picker, nullptr);
    auto* list = app_->control<QListWidget>(picker, "List1");
    list->setFocus();
    list->setCurrentRow(3);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(box->text(), "dddd");
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(app_->window->tagPicker().isOpen());
    EXPECT_TRUE(app_->window->isVisible());
}

TEST_F(LayoutTest, ReadOnlyStoreTurnsOffSavingAndSaysSo) {
    show(settingIndex("ContactSoundMaxTime"));
    app_->window->setStoreReadOnly(true);
    show(settingIndex("AddCharToTruncateName"));
    for (QWidget* panel : {app_->window->panel(3), shownPanel()})
        for (auto* button : panel->findChildren<QPushButton*>())
            if (button->text() == "Change" || button->text() == "Set default") EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(app_->control<QLabel>("readOnlyNote")->isVisible());
    QTest::keyClick(app_->control<QRadioButton>(shownPanel(), "Option13(0)"), Qt::Key_Return);
    EXPECT_TRUE(app_->messages().empty());
}

}  // namespace
}  // namespace fk::testing
