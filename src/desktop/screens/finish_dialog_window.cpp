#include "desktop/screens/finish_dialog_window.h"

#include "screens/finish_dialog_contract.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace examsim {
namespace {

QString label(const std::string& caption) { return QString::fromStdString(caption); }

}  // namespace

FinishDialogWindow::FinishDialogWindow(ReplyTarget& parent, const FinishFlags& flags, QWidget* owner)
    : ScreenDialog(owner) {
    setObjectName(finish_dialog_contract::kScreen);
    setWindowTitle(frmQueOptbox::kCaption);
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
    yes_ = answerButton(frmQueOptbox::kOk, finish_dialog_contract::control::Yes, Accepted, [this] { logic_.cmdYes(); });
    yes_->setDefault(true);
    no_ = answerButton(frmQueOptbox::kCancel, finish_dialog_contract::control::No, Rejected, [this] { logic_.cmdNo(); });
    no_->setEnabled(logic_.cancelEnabled());
    layout->addLayout(buttonRow({yes_, no_}));
}

void runFinishDialog(ReplyTarget& parent, const FinishFlags& flags, QWidget* owner, QPointer<FinishDialogWindow>& open,
                     const std::function<void(FinishDialogWindow*)>& shown) {
    FinishDialogWindow dialog(parent, flags, owner);
    open = &dialog;
    QMetaObject::invokeMethod(owner, [shown, d = QPointer<FinishDialogWindow>(&dialog)] {
        if (d) shown(d);
    }, Qt::QueuedConnection);
    dialog.exec();
}

void closeFinishDialog(QPointer<FinishDialogWindow>& open) {
    if (QPointer<FinishDialogWindow> d = open) {
        open = nullptr;
        d->close();
    }
}

}  // namespace examsim
