#include "desktop/screens/exit_dialog.h"

#include "screens/message_dialog_contract.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace examsim {

ExitDialog::ExitDialog(AppContext& ctx, QWidget* owner) : QDialog(owner), logic_(ctx) {
    setObjectName(message_dialog_contract::kScreen);
    setWindowTitle(QString::fromStdString(logic_.caption()));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout();
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(40, 40));
    row->addWidget(icon, 0, Qt::AlignTop);
    auto* text = new QLabel(frmMsg::kText, this);
    text->setWordWrap(true);
    text->setMinimumWidth(300);
    row->addWidget(text, 1);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    yes_ = new QPushButton(frmMsg::kYes, this);
    yes_->setObjectName(message_dialog_contract::control::Yes);
    no_ = new QPushButton(frmMsg::kNo, this);
    no_->setObjectName(message_dialog_contract::control::No);
    no_->setDefault(true);
    buttons->addWidget(yes_);
    buttons->addWidget(no_);
    layout->addLayout(buttons);
    connect(yes_, &QPushButton::clicked, this, [this] { logic_.cmdYes(); });
    connect(no_, &QPushButton::clicked, this, [this] {
        logic_.cmdNo();
        reject();
    });
}

}  // namespace examsim
