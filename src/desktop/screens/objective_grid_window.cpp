#include "desktop/screens/objective_grid_window.h"

#include "core/app_context.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/screens/page_view.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <algorithm>

namespace examsim {
namespace {

// Every control of the form by id, read at once: the dialog then decides on
// what the learner saw when pressing Start.
constexpr const char* kReadForm = R"((function () {
  var r = { checked: {}, lists: {}, texts: {} };
  document.querySelectorAll('input[type=checkbox]').forEach(function (c) { if (c.id) r.checked[c.id] = c.checked; });
  document.querySelectorAll('select').forEach(function (s) { if (s.id) r.lists[s.id] = s.options.length - 1 - s.selectedIndex; });
  document.querySelectorAll('input[type=text], input[type=number], input:not([type])').forEach(function (t) { if (t.id) r.texts[t.id] = t.value; });
  return JSON.stringify(r);
})())";

// The form's own height: the page's root box, which no viewport stretches.
constexpr const char* kFormHeight = "Math.ceil(document.documentElement.getBoundingClientRect().height)";

class FormSnapshot : public GridForm {
public:
    explicit FormSnapshot(const QJsonObject& form) : form_(form) {}
    bool checked(const std::string& id) override { return part("checked").value(key(id)).toBool(); }
    std::int32_t listValue(const std::string& id) override { return part("lists").value(key(id)).toInt(); }
    std::string text(const std::string& id) override { return part("texts").value(key(id)).toString().toStdString(); }

private:
    static QString key(const std::string& id) { return QString::fromStdString(id); }
    QJsonObject part(const char* name) const { return form_.value(name).toObject(); }
    QJsonObject form_;
};

}  // namespace

ObjectiveGridWindow::ObjectiveGridWindow(AppContext& ctx, WebEnvironment& web, TestLauncher& tests, QWidget* owner)
    : ScreenDialog(owner), ctx_(ctx), logic_(ctx, tests) {
    setObjectName("frmPGrid");
    setWindowTitle(frmPGrid::kCaption);
    resize(static_cast<int>(760 * std::max(1.0f, ctx.horizontalScale)), static_cast<int>(560 * std::max(1.0f, ctx.verticalScale)));
    auto* layout = new QVBoxLayout(this);
    web_ = newPageView(ctx, web, this);
    web_->setObjectName("Web");
    web_->setContextMenuPolicy(Qt::NoContextMenu);
    layout->addWidget(web_, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    start_ = new QPushButton("&Start", this);
    start_->setObjectName("cmd_Start");
    start_->setDefault(true);
    reset_ = new QPushButton("&Reset", this);
    reset_->setObjectName("cmd_reset");
    cancel_ = answerButton("Cancel", "cmd_Cancel", Rejected, [this] { logic_.cmd_Cancel(); });
    buttons->addWidget(start_);
    buttons->addWidget(reset_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    connect(start_, &QPushButton::clicked, this, &ObjectiveGridWindow::start);
    connect(web_, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (!ok) return;
        web_->page()->runJavaScript(kFormHeight, QWebEngineScript::ApplicationWorld,
                                    [this](const QVariant& height) { fitToForm(height.toInt()); });
    });
    connect(reset_, &QPushButton::clicked, this, [this] {
        if (logic_.cmd_reset()) showPage();
    });
}

ObjectiveGridWindow::~ObjectiveGridWindow() { logic_.unload(); }

bool ObjectiveGridWindow::openPage() {
    if (!logic_.load()) return false;
    showPage();
    return true;
}

// A fresh load each time, so Reset clears the form even when the page is unchanged.
void ObjectiveGridWindow::showPage() {
    QUrl url = appUrl(ctx_.paths, ctx_.paths.resolve("\\Database\\grid.html"));
    url.setQuery(QString::number(QDateTime::currentMSecsSinceEpoch()));
    web_->setUrl(url);
}

// The product's form decides the height: no empty band under a short form, no
// scroll bar over a long one while the screen has room. The dialog keeps its middle.
void ObjectiveGridWindow::fitToForm(int formHeight) {
    if (formHeight <= 0) return;
    layout()->activate();  // the page's height is known even before the dialog is shown
    const int frame = frameGeometry().height() - height();
    const QScreen* shownOn = screen();
    const int room = shownOn ? shownOn->availableGeometry().height() - frame : height();
    const int least = minimumSizeHint().height();
    const int wanted = std::clamp(height() - web_->height() + formHeight, least, std::max(least, room));
    if (wanted == height()) return;
    const int moved = (height() - wanted) / 2;
    resize(width(), wanted);
    if (isVisible()) move(x(), std::max(shownOn ? shownOn->availableGeometry().top() : 0, y() + moved));
}

void ObjectiveGridWindow::start() {
    start_->setEnabled(false);
    web_->page()->runJavaScript(kReadForm, QWebEngineScript::ApplicationWorld, [this](const QVariant& result) {
        start_->setEnabled(true);
        FormSnapshot form(QJsonDocument::fromJson(result.toString().toUtf8()).object());
        const bool built = logic_.cmd_Start(form);
        emit started(built);
        if (logic_.closed()) answer(Accepted);
    });
}

}  // namespace examsim
