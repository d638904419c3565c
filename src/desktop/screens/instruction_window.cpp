#include "desktop/screens/instruction_window.h"

#include "core/app_context.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/screens/page_view.h"
#include "screens/instruction_contract.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace examsim {

namespace control = instruction_contract::control;

InstructionWindow::InstructionWindow(AppContext& ctx, InstructionTarget& parent, WebEnvironment& web, QWidget* owner)
    : ScreenDialog(owner), logic_(ctx, parent) {
    setObjectName(instruction_contract::kScreen);
    setWindowTitle("Exam Instructions");
    resize(static_cast<int>(640 * ctx.horizontalScale), static_cast<int>(520 * ctx.verticalScale));

    auto* layout = new QVBoxLayout(this);
    view_ = newPageView(ctx, web, this);
    view_->setObjectName(control::Web);
    layout->addWidget(view_, 1);

    auto* frame = new QFrame(this);
    frame->setObjectName(control::Frame);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(frame);
    dontShow_ = new QCheckBox(frmInstruction::kDontShow, frame);
    dontShow_->setObjectName(control::DontShow);
    ok_ = answerButton("OK", control::Ok, Accepted, [this] { logic_.cmdOk(dontShow_->isChecked()); });
    ok_->setDefault(true);
    cancel_ = answerButton("Cancel", control::Cancel, Rejected, [this] { logic_.cmdCancel(); });
    row->addWidget(dontShow_);
    row->addStretch();
    row->addWidget(ok_);
    row->addSpacing(7);
    row->addWidget(cancel_);
    layout->addWidget(frame);

    const auto page = logic_.page();
    view_->setUrl(page ? appUrl(ctx.paths, *page) : QUrl("about:blank"));
    computeScreenScale(ctx);
}

}  // namespace examsim
