#include "desktop/screens/screen_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

namespace examsim {

ScreenDialog::ScreenDialog(QWidget* owner) : QDialog(owner) {
    setModal(true);
    // A page inside the dialog would otherwise keep Escape to itself.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &ScreenDialog::reject);
    addHelpKey(*this, *this);
}

void ScreenDialog::helpKey() {
    if (HelpKeyTarget* owner = helpKeyOwner(parentWidget())) owner->helpKey();
}

void ScreenDialog::reject() {
    if (!answered_) {
        answered_ = true;
        closeBox();
    }
    QDialog::reject();
}

void ScreenDialog::answer(DialogCode result) {
    answered_ = true;
    done(result);
}

QPushButton* ScreenDialog::answerButton(const QString& caption, const QString& name, DialogCode result,
                                        std::function<void()> action) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, result, action = std::move(action)] {
        action();
        answer(result);
    });
    return button;
}

QHBoxLayout* ScreenDialog::buttonRow(std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout();
    row->addStretch();
    for (QWidget* b : buttons) row->addWidget(b);
    return row;
}

}  // namespace examsim
