// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/PrefixDialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace fk::dialogs {

namespace {

// The context translators find this file's texts under.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(fk::dialogs::PrefixDialog)
};

QLabel* noteLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Every usual prefix lives in a hidden folder (~/.wine, ~/.local/share/...).
std::optional<QString> browse(QWidget* parent, bool folder) {
    QFileDialog dialog(parent, folder ? Texts::tr("Wine prefix folder") : Texts::tr("Wine registry file"),
                       QDir::homePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setFilter(QDir::AllDirs | QDir::Drives | QDir::Hidden | QDir::NoDotAndDotDot);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({Texts::tr("Wine user registry (user.reg)"), Texts::tr("All files (*)")});
        dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Drives | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

class ChooserWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(fk::dialogs::PrefixDialog)

public:
    ChooserWindow(QWidget* parent, const PrefixDialog::Request& request) : QDialog(parent), request_(request) {
        setObjectName(QStringLiteral("prefixChooser"));
        setWindowTitle(tr("Open prefix"));
        auto* layout = new QVBoxLayout(this);
        auto* note = noteLabel(request.note.isEmpty() ? tr("Brisko! was found in these Wine prefixes:")
                                                      : request.note,
                               "prefixNote", this);
        note->setWordWrap(true);
        layout->addWidget(note);
        if (!request.looked.isEmpty()) {
            // One place a line, never broken inside a path.
            layout->addWidget(noteLabel(request.looked.join(QLatin1Char('\n')), "lookedIn", this));
            layout->addWidget(noteLabel(tr("Browse to the prefix folder, or to its user.reg."),
                                        "browseNote", this));
        }
        list_ = new QListWidget(this);
        list_->setObjectName(QStringLiteral("prefixList"));
        for (int i = 0; i < request.prefixes.size(); ++i)
            list_->addItem(request.labels.value(i, QDir::toNativeSeparators(request.prefixes[i])));
        list_->setCurrentRow(request.preselected);
        list_->setVisible(!request.prefixes.isEmpty());
        connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
        layout->addWidget(list_);
        // The reason a place will not do, and the way past it when there is one.
        problem_ = noteLabel({}, "prefixProblem", this);
        problem_->setWordWrap(true);
        problem_->hide();
        anyway_ = new QPushButton(tr("Open anyway"), this);
        anyway_->setObjectName(QStringLiteral("openAnyway"));
        anyway_->hide();
        auto* problemRow = new QHBoxLayout;
        problemRow->addWidget(problem_, 1);
        problemRow->addWidget(anyway_, 0, Qt::AlignTop);
        layout->addLayout(problemRow);
        if (request.prefixes.isEmpty()) layout->addStretch();

        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Open)->setEnabled(!request.prefixes.isEmpty());
        auto* folder = buttons->addButton(tr("Browse for a folder…"), QDialogButtonBox::ActionRole);
        folder->setObjectName(QStringLiteral("browseFolder"));
        auto* file = buttons->addButton(tr("Browse for a user.reg…"), QDialogButtonBox::ActionRole);
        file->setObjectName(QStringLiteral("browseFile"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(anyway_, &QPushButton::clicked, this, [this] {
            answer_ = PrefixDialog::Choice(candidate_, true);
            QDialog::accept();
        });
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(folder, &QPushButton::clicked, this, [this] { offer(browse(this, true)); });
        connect(file, &QPushButton::clicked, this, [this] { offer(browse(this, false)); });
        layout->addWidget(buttons);
        // Never narrower than the longest place, as the layout wants it;
        // a list roomy and its rows whole, within the screen.
        adjustSize();
        const QFontMetrics metrics = fontMetrics();
        const int listWidth = list_->sizeHintForColumn(0) + 2 * list_->frameWidth() +
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent) + layout->contentsMargins().left() +
                              layout->contentsMargins().right();
        const QSize roomy(std::max(metrics.averageCharWidth() * 64, request.prefixes.isEmpty() ? 0 : listWidth),
                          request.prefixes.isEmpty() ? 0 : metrics.height() * 18);
        resize(size().expandedTo(roomy).boundedTo(screen()->availableSize()));
    }

    std::optional<PrefixDialog::Choice> answer() const { return answer_; }

    // Open, Return and a double click offer the prefix selected.
    void accept() override { offer(listed()); }

private:
    std::optional<QString> listed() const {
        const int row = list_->currentRow();
        if (row < 0 || row >= request_.prefixes.size()) return std::nullopt;
        return request_.prefixes[row];
    }

    // A place that will do ends the choice; one that will not stays on show
    // with the reason.
    void offer(const std::optional<QString>& place) {
        if (!place) return;
        const PrefixDialog::Verdict verdict = request_.check ? request_.check(*place) : PrefixDialog::Verdict{};
        if (verdict.problem.isEmpty()) {
            answer_ = PrefixDialog::Choice(*place);
            QDialog::accept();
            return;
        }
        candidate_ = *place;
        problem_->setText(verdict.problem);
        problem_->show();
        anyway_->setVisible(verdict.canOpenAnyway);
        resize(width(), std::max(height(), heightForWidth(width())));
    }

    const PrefixDialog::Request& request_;
    QListWidget* list_;
    QLabel* problem_;
    QPushButton* anyway_;
    QString candidate_;
    std::optional<PrefixDialog::Choice> answer_;
};

}  // namespace

std::optional<PrefixDialog::Choice> PrefixDialog::choose(QWidget* parent, const Request& request) {
    requests_.push_back(request);
    if (!scripted_) {
        ChooserWindow window(parent, request);
        if (window.exec() != QDialog::Accepted) return std::nullopt;
        return window.answer();
    }
    // Each answer is what the user did next in the open chooser.
    while (!answers_.empty()) {
        auto answer = answers_.front();
        answers_.pop_front();
        if (!answer) return std::nullopt;
        const Verdict verdict = request.check ? request.check(answer->place) : Verdict{};
        if (verdict.problem.isEmpty()) return Choice(answer->place);
        refusals_ << verdict.problem;
        if (answer->anyway && verdict.canOpenAnyway) return answer;
    }
    return std::nullopt;
}

}  // namespace fk::dialogs
