#include "desktop/screens/exit_dialog.h"

#include "screens/message_dialog_contract.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace examsim {

ExitDialog::ExitDialog(AppContext& ctx, QWidget* owner) : ScreenDialog(owner), logic_(ctx) {
    setObjectName(message_dialog_contract::kScreen);
    setWindowTitle(QString::fromStdString(logic_.caption()));
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
    yes_ = answerButton(frmMsg::kYes, message_dialog_contract::control::Yes, Accepted, [this] { logic_.cmdYes(); });
    no_ = answerButton(frmMsg::kNo, message_dialog_contract::control::No, Rejected, [this] { logic_.cmdNo(); });
    no_->setDefault(true);
    layout->addLayout(buttonRow({yes_, no_}));
}

}  // namespace examsim
