// SPDX-License-Identifier: GPL-3.0-or-later
#include "editors/FontPanel.h"

#include "catalogue/Catalogue.h"
#include "dialogs/Dialogs.h"
#include "editors/AccessibleText.h"
#include "editors/AnsiText.h"
#include "editors/NumberText.h"
#include "platform/fonts/FontList.h"
#include "store/PreferenceStore.h"
#include "store/StoredFont.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionButton>

#include <algorithm>
#include <array>

namespace fk {

namespace {

const QString SampleText = QStringLiteral("AaBbCcZz");

QString charSetText(std::int32_t charSet) {
    // -1 means no character set is asked for.
    return charSet == -1 ? QString() : QString::number(charSet);
}

// A check box whose caption wraps onto the lines of its box.
class WrappingCheckBox : public QCheckBox {
public:
    explicit WrappingCheckBox(QWidget* parent) : QCheckBox(parent) { setProperty("wordWrap", true); }

protected:
    void paintEvent(QPaintEvent*) override {
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        QPainter painter(this);
        style()->drawControl(QStyle::CE_CheckBox, &option, &painter, this);
        const QRect box = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        style()->drawItemText(&painter, box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, palette(),
                              isEnabled(), caption, QPalette::WindowText);
    }
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

void fillFontNameList(QComboBox* list) {
    QStringList names;
    for (const std::string& name : fonts::ansiFontNames()) names.append(QString::fromStdString(name));
    // Sorted as the platform's sorted lists are, each name once: a name
    // offered twice is still one font.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = QString::compare(a, b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    list->clear();
    list->addItems(names);
    // The open list shows whole names, however narrow the box.
    QAbstractItemView* view = list->view();
    view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() +
                          view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view));
}

FontPanel::FontPanel(const EditorContext& context, QWidget* parent) : EditorPanel(context, parent) {
    setObjectName(QStringLiteral("Picture1(4)"));
    // Its caption is longer than the box it was given, 1695 x 255, and is
    // set by the program; it gets the width up to the buttons and two lines.
    enable_ = new WrappingCheckBox(this);
    enable_->setObjectName(QStringLiteral("Check1"));
    enable_->setGeometry(form().rect(120, 120, 2640, 480));
    using enum form::ControlKind;
    const form::FormControls made = form::placeControls(this, {
        {"Label8", Label, tr("Font:"), 120, 600, 555, 255},
        {"Combo3", EditableCombo, {}, 720, 600, 2055, 315},
        {"Label9", Label, tr("Size:"), 120, 960, 555, 255},
        {"Combo2", EditableCombo, {}, 720, 960, 735, 315},
        {"Check2", CheckBox, tr("Italic"), 1800, 960, 975, 255},
        // Ends where the weight box and the note below it begin (designed 1695 x 495).
        {"Slider5", Slider, {}, 600, 1320, 1680, 480},
        {"Label10", Label, tr("Bold:"), 120, 1440, 480, 255},
        {"Text37", TextBox, {}, 2280, 1440, 495, 285},
        {"Label11", Label, tr("Normal is 400. Bold is 700."), 720, 1800, 2160, 255},
        {"Label12", Label, tr("Character set:"), 120, 2160, 1320, 255},
        {"Text38", TextBox, {}, 1440, 2160, 1335, 285},
        {"Label13", WrappingLabel, tr("Preview of the selected font:"), 2880, 1080, 1335, 450},
        {"Command39", Button, tr("Change"), 2880, 600, 1335, 375},
        {"Command40", Button, tr("Set default"), 2880, 120, 1335, 375},
    }, form());
    names_ = made.get<QComboBox>("Combo3");
    sizes_ = made.get<QComboBox>("Combo2");
    italic_ = made.get<QCheckBox>("Check2");
    QFont italicType = italic_->font();
    italicType.setItalic(true);
    italic_->setFont(italicType);
    slider_ = made.get<QSlider>("Slider5");
    slider_->setRange(100, 900);
    slider_->setSingleStep(25);
    slider_->setPageStep(100);
    slider_->setTickInterval(100);
    auto* boldLabel = made.get<QLabel>("Label10");
    QFont boldType = boldLabel->font();
    boldType.setBold(true);
    boldLabel->setFont(boldType);
    weight_ = made.get<QLineEdit>("Text37");
    charSet_ = made.get<QLineEdit>("Text38");
    auto* changeButton = made.get<QPushButton>("Command39");
    auto* defaultButton = made.get<QPushButton>("Command40");
    useButtons(changeButton, defaultButton);

    // As designed: nothing to edit until the setting is enabled. The slider
    // is disabled when the lists are first filled.
    for (QWidget* control : {static_cast<QWidget*>(names_), static_cast<QWidget*>(sizes_),
                             static_cast<QWidget*>(italic_), static_cast<QWidget*>(weight_),
                             static_cast<QWidget*>(charSet_)})
        control->setEnabled(false);

    connect(enable_, &QCheckBox::toggled, this, &FontPanel::enableChanged);
    connect(italic_, &QCheckBox::toggled, this, &FontPanel::drawFontPreview);
    connect(names_, &QComboBox::editTextChanged, this, &FontPanel::drawFontPreview);
    connect(sizes_, &QComboBox::editTextChanged, this, &FontPanel::drawFontPreview);
    connect(charSet_, &QLineEdit::textChanged, this, &FontPanel::drawFontPreview);
    connect(weight_, &QLineEdit::textChanged, this, &FontPanel::weightEdited);
    connect(slider_, &QSlider::valueChanged, this, &FontPanel::sliderMoved);
    connect(changeButton, &QPushButton::clicked, this, [this] { saveFontSetting(shownSetting()); });
    connect(defaultButton, &QPushButton::clicked, this, &FontPanel::setDefault);
}

void FontPanel::prepare(int index) {
    loadFontSetting(index);
}

FontDefault FontPanel::defaultsOf(int index) {
    return catalogue().fontDefaults.at(std::size_t(settingEntry(index).auxIndex));
}

bool& FontPanel::listsLoaded() {
    return context().fontListsLoaded ? *context().fontListsLoaded : ownListsLoaded_;
}

void FontPanel::loadFontSetting(int index) {
    enable_->setText(defaultsOf(index).enabled != 0 ? tr("Enable this setting (default is enabled)")
                                                    : tr("Enable this setting (default is disabled)"));
    const FontDefault values = readFontSetting(*context().store, index);
    if (!listsLoaded()) fillLists();
    showValues(values);
    if (values.enabled == 1)
        drawFontPreview();
    else
        erasePreview();
}

void FontPanel::fillLists() {
    // Listing the installed fonts is slow; it is done once a run.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    sizes_->clear();
    sizes_->addItems({"6", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24"});
    fillFontNameList(names_);
    slider_->setEnabled(false);
    listsLoaded() = true;
    QApplication::restoreOverrideCursor();
}

// Each assignment raises the control's own event, as a user's edit would.
void FontPanel::showValues(const FontDefault& values) {
    sizes_->setEditText(QString::number(values.size));
    names_->setEditText(fromAnsi(values.faceName));
    weight_->setText(QString::number(values.weight));
    italic_->setChecked(values.italic != 0);
    charSet_->setText(charSetText(values.charSet));
    enable_->setChecked(values.enabled != 0);
}

void FontPanel::saveFontSetting(int index) {
    const FontDefault defaults = defaultsOf(index);
    // A box that does not convert gives the default of its value.
    FontDefault values;
    values.enabled = enable_->isChecked() ? 1 : 0;
    values.italic = italic_->isChecked() ? 1 : 0;
    values.weight = convertNumberText(weight_->text()).value_or(defaults.weight);
    values.size = convertNumberText(sizes_->currentText()).value_or(defaults.size);
    values.charSet = convertNumberText(charSet_->text()).value_or(defaults.charSet);
    values.faceName = toAnsi(names_->currentText());
    // A failed write has told the user already.
    if (writeFontSetting(*context().store, index, values) == SaveResult::KeyNotCreated)
        context().dialogs->messages.show(context().mainWindow, tr("Setting not saved."), tr("Error"),
                                         dialogs::MessageIcon::Exclamation);
}

void FontPanel::setDefault() {
    const int index = shownSetting();
    showValues(defaultsOf(index));
    saveFontSetting(index);
}

void FontPanel::enableChanged(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(names_), static_cast<QWidget*>(sizes_),
                             static_cast<QWidget*>(italic_), static_cast<QWidget*>(slider_),
                             static_cast<QWidget*>(weight_), static_cast<QWidget*>(charSet_)})
        control->setEnabled(enabled);
    if (enabled)
        drawFontPreview();
    else
        erasePreview();
}

void FontPanel::weightEdited() {
    const std::int32_t weight = convertNumberText(weight_->text()).value_or(-1);
    if (weight < 100 || weight > 900) {
        // A warning only: the weight is still drawn and saved.
        showWarning(weight_, true);
    } else {
        showWarning(weight_, false);
        settingSlider_ = true;
        slider_->setValue(weight);
        settingSlider_ = false;
    }
    drawFontPreview();
}

void FontPanel::sliderMoved(int position) {
    // Only a user's move writes back into the weight box.
    if (!settingSlider_) weight_->setText(QString::number(position));
}

void FontPanel::erasePreview() {
    preview_.reset();
    findChild<QLabel*>(QStringLiteral("Label13"))->setAccessibleDescription(QString());
    update();
}

void FontPanel::drawFontPreview() {
    erasePreview();
    const auto size = convertNumberText(sizes_->currentText());
    const auto weight = convertNumberText(weight_->text());
    if (!size || !weight) return;
    // The character set takes no part: the sample always asks for ANSI.
    const bool italic = italic_->isChecked();
    preview_ = Preview{previewFont(names_->currentText(), *size, *weight, italic), *size, *weight, italic};
    // A screen reader tells the sample that is drawn.
    findChild<QLabel*>(QStringLiteral("Label13"))
        ->setAccessibleDescription(fontSample(SampleText, preview_->font, *size, *weight));
}

QFont FontPanel::previewFont(const QString& face, std::int32_t size, std::int32_t weight, bool italic) {
    auto family = familyOfName_.find(face);
    if (family == familyOfName_.end())
        family = familyOfName_.insert(face, QString::fromStdString(fonts::familyForName(face.toStdString())));
    QFont font(*family);
    // Weight 0 asks for the normal weight; Qt knows 1 to 1000 only.
    font.setWeight(QFont::Weight(weight == 0 ? 400 : std::clamp(weight, 1, 1000)));
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    // A positive size is the height of the character cell, a negative one
    // that of the characters alone; 0 keeps the default size.
    constexpr int MaxPixels = 2048;
    if (size < 0) {
        font.setPixelSize(std::clamp(-size, 1, MaxPixels));
    } else if (size > 0) {
        QFont probe(font);
        constexpr int ProbePixels = 256;
        probe.setPixelSize(ProbePixels);
        const qreal cell = QFontMetricsF(probe).height();
        const int pixels = cell > 0 ? qRound(size * ProbePixels / cell) : size;
        font.setPixelSize(std::clamp(pixels, 1, MaxPixels));
    }
    return font;
}

void FontPanel::paintEvent(QPaintEvent* event) {
    EditorPanel::paintEvent(event);
    if (!preview_) return;
    // Drawn from the panel's state at every paint, so that covering and
    // uncovering the window keeps the sample.
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(preview_->font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(preview_->font, this);
    painter.drawText(QPointF(previewAt()) + QPointF(0, metrics.ascent()), SampleText);
}

}  // namespace fk
