#include "desktop/screens/finish_dialog_window.h"

#include "screens/finish_dialog_contract.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace examsim {
namespace {

QString label(const std::string& caption) { return QString::fromStdString(caption); }

}  // namespace

FinishDialogWindow::FinishDialogWindow(ReplyTarget& parent, const FinishFlags& flags, QWidget* owner)
    : QDialog(owner) {
    setObjectName(finish_dialog_contract::kScreen);
    setWindowTitle(frmQueOptbox::kCaption);
    setModal(true);
    logic_.SetParent(parent);
    logic_.load(flags);

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(frmQueOptbox::kHeading, this);
    heading->setStyleSheet("font-weight: bold;");
    layout->addWidget(heading);
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(18);
    for (int i = 0; i < 4; ++i) {
        const auto& o = logic_.option(i);
        options_[i] = new QRadioButton(label(o.caption), this);
        options_[i]->setObjectName(finish_dialog_contract::control::OptionPrefix + QString::number(i));
        options_[i]->setEnabled(o.enabled);
        connect(options_[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) logic_.select(i);
        });
        grid->addWidget(options_[i], i, 0, Qt::AlignTop);
        QString text = QString::fromStdString(o.description[0]).replace("&&", "&");
        if (!o.description[1].empty()) text += "\n" + QString::fromStdString(o.description[1]);
        auto* description = new QLabel(text.trimmed(), this);
        description->setEnabled(o.enabled);
        grid->addWidget(description, i, 1, Qt::AlignTop);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    yes_ = new QPushButton(frmQueOptbox::kOk, this);
    yes_->setObjectName(finish_dialog_contract::control::Yes);
    yes_->setDefault(true);
    no_ = new QPushButton(frmQueOptbox::kCancel, this);
    no_->setObjectName(finish_dialog_contract::control::No);
    no_->setEnabled(logic_.cancelEnabled());
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    layout->addLayout(buttons);
    connect(yes_, &QPushButton::clicked, this, [this] {
        logic_.cmdYes();
        accept();
    });
    connect(no_, &QPushButton::clicked, this, [this] {
        logic_.cmdNo();
        reject();
    });
}

void FinishDialogWindow::closeEvent(QCloseEvent* event) {
    if (!logic_.closed()) logic_.closeBox();
    QDialog::closeEvent(event);
}

}  // namespace examsim
