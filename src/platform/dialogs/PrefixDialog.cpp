#include "PrefixDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace fk::dialogs {

namespace {

class ChooserWindow : public QDialog {
public:
    ChooserWindow(QWidget* parent, const PrefixDialog::Request& request) : QDialog(parent) {
        setObjectName(QStringLiteral("prefixChooser"));
        setWindowTitle(QStringLiteral("Open prefix"));
        auto* layout = new QVBoxLayout(this);
        auto* note = new QLabel(request.note.isEmpty() ? QStringLiteral("Brisko! was found in these Wine prefixes:")
                                                       : request.note,
                                this);
        note->setObjectName(QStringLiteral("prefixNote"));
        note->setWordWrap(true);
        note->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(note);
        list_ = new QListWidget(this);
        list_->setObjectName(QStringLiteral("prefixList"));
        for (const QString& prefix : request.prefixes) list_->addItem(QDir::toNativeSeparators(prefix));
        list_->setCurrentRow(request.preselected);
        list_->setVisible(!request.prefixes.isEmpty());
        connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
        layout->addWidget(list_);
        if (request.prefixes.isEmpty()) layout->addStretch();

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Open)->setEnabled(!request.prefixes.isEmpty());
        auto* folder = buttons->addButton(QStringLiteral("Browse for a folder…"), QDialogButtonBox::ActionRole);
        folder->setObjectName(QStringLiteral("browseFolder"));
        auto* file = buttons->addButton(QStringLiteral("Browse for a user.reg…"), QDialogButtonBox::ActionRole);
        file->setObjectName(QStringLiteral("browseFile"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(folder, &QPushButton::clicked, this, [this] {
            browsed_ = QFileDialog::getExistingDirectory(this, QStringLiteral("Wine prefix folder"), QDir::homePath());
            if (!browsed_.isEmpty()) accept();
        });
        connect(file, &QPushButton::clicked, this, [this] {
            browsed_ = QFileDialog::getOpenFileName(this, QStringLiteral("Wine registry file"), QDir::homePath(),
                                                    QStringLiteral("Wine user registry (user.reg);;All files (*)"));
            if (!browsed_.isEmpty()) accept();
        });
        layout->addWidget(buttons);
        resize(560, 320);
    }

    std::optional<QString> answer(const QStringList& prefixes) const {
        if (!browsed_.isEmpty()) return browsed_;
        const int row = list_->currentRow();
        if (row < 0 || row >= prefixes.size()) return std::nullopt;
        return prefixes[row];
    }

private:
    QListWidget* list_;
    QString browsed_;
};

}  // namespace

std::optional<QString> PrefixDialog::choose(QWidget* parent, const Request& request) {
    requests_.push_back(request);
    if (scripted_) {
        if (answers_.empty()) return std::nullopt;
        auto answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    ChooserWindow window(parent, request);
    if (window.exec() != QDialog::Accepted) return std::nullopt;
    return window.answer(request.prefixes);
}

}  // namespace fk::dialogs
