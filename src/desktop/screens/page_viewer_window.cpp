#include "desktop/screens/page_viewer_window.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/screens/page_view.h"
#include "screens/movie_screen.h"

#include <QFile>
#include <QFileDialog>
#include <QPageLayout>
#include <QPointer>
#include <QStandardPaths>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace examsim {
namespace {

// The page's key presses, selections and right clicks, heard in a world of
// their own that the page's scripts cannot reach.
class HintBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
public slots:
    void hint() { emit asked(); }
signals:
    void asked();
};

QString hintScript() {
    QFile channel(":/qtwebchannel/qwebchannel.js");
    channel.open(QIODevice::ReadOnly);
    return QString::fromUtf8(channel.readAll()) + R"(
new QWebChannel(qt.webChannelTransport, function (ch) {
  var viewer = ch.objects.viewer;
  document.addEventListener('keydown', function () { viewer.hint(); }, true);
  document.addEventListener('selectstart', function (e) { e.preventDefault(); viewer.hint(); }, true);
  document.addEventListener('mousedown', function (e) { if (e.button === 2) viewer.hint(); }, true);
  document.addEventListener('contextmenu', function (e) { e.preventDefault(); }, true);
});)";
}

}  // namespace

PageViewerWindow::PageViewerWindow(std::unique_ptr<PageViewer> logic, AppContext& ctx, WebEnvironment& web, QWidget* owner)
    : ScreenDialog(owner), ctx_(ctx), logic_(std::move(logic)) {
    setModal(false);
    setWindowTitle(QString::fromStdString(logic_->caption));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(static_cast<int>(860 * std::max(1.0f, ctx.horizontalScale)), static_cast<int>(640 * std::max(1.0f, ctx.verticalScale)));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    auto* title = new QLabel(QString::fromStdString(logic_->caption), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    title->setFont(big);
    top->addWidget(title, 1);
    print_ = new QPushButton("&Print", this);
    print_->setObjectName("cmdPrint");
    print_->setToolTip("Print this page on the default printer");
    top->addWidget(print_);
    pdf_ = new QPushButton("Save as P&DF\u2026", this);
    pdf_->setObjectName("cmdSavePdf");
    pdf_->setToolTip("Save this page as a PDF document");
    top->addWidget(pdf_);
    layout->addLayout(top);

    web_ = newPageView(ctx, web, this);
    web_->setObjectName("Web");
    web_->setContextMenuPolicy(Qt::NoContextMenu);
    layout->addWidget(web_, 1);

    auto* bottom = new QHBoxLayout();
    copyright_ = new QLabel(kCopyrightLine, this);
    copyright_->setObjectName("lbl_copyright");
    copyright_->setEnabled(false);
    bottom->addWidget(copyright_, 1);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("cmdOk");
    ok_->setDefault(true);
    bottom->addWidget(ok_);
    layout->addLayout(bottom);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, [this] {
        if (logic_->confirmPrint()) printPage();
    });
    connect(pdf_, &QPushButton::clicked, this, &PageViewerWindow::askPdfFile);
    connect(web_, &QWebEngineView::loadFinished, this, [this](bool) {
        logic_->pageLoaded();
        emit pageRead();
    });
    connect(web_, &QWebEngineView::printFinished, this, [this](bool ok) { emit printed(ok); });
}

PageViewerWindow::~PageViewerWindow() {
    if (!unloaded_) logic_->unload();
}

bool PageViewerWindow::openPage() {
    const auto page = logic_->load();
    if (!page) return false;
    if (logic_->printHintApplies()) attachHints();
    web_->setUrl(appUrl(ctx_.paths, *page));
    return true;
}

void PageViewerWindow::attachHints() {
    auto* channel = new QWebChannel(web_->page());
    auto* bridge = new HintBridge(channel);
    channel->registerObject("viewer", bridge);
    web_->page()->setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    QWebEngineScript script;
    script.setName("printHint");
    script.setSourceCode(hintScript());
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    web_->page()->scripts().insert(script);
    // The box waits for the page's event to end.
    connect(bridge, &HintBridge::asked, this, [this] { QTimer::singleShot(0, this, [this] { logic_->showPrintHint(); }); });
}

void PageViewerWindow::printPage() { web_->print(&printer_); }

void PageViewerWindow::askPdfFile() {
    QFileDialog dialog(this, "Save as PDF");
    dialog.setObjectName("savePdfDialog");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter("PDF documents (*.pdf)");
    dialog.setDefaultSuffix("pdf");
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile((logic_->caption.empty() ? QString("Report") : QString::fromStdString(logic_->caption)) + ".pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    savePdfTo(dialog.selectedFiles().first());
}

void PageViewerWindow::savePdfTo(const QString& file) {
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    web_->page()->printToPdf(
        [self = QPointer<PageViewerWindow>(this), file](const QByteArray& pdf) {
            if (!self) return;
            bool ok = !pdf.isEmpty();
            QString why = "the page gave no PDF";
            if (ok) try {
                    writeFileAtomically(std::filesystem::path(file.toStdString()), std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
                } catch (const std::exception& e) {
                    ok = false;
                    why = QString::fromStdString(e.what());
                }
            if (!ok && self->ctx_.host.messages)
                self->ctx_.host.messages->show("The PDF could not be saved: " + why.toStdString(), msg::OkOnly | msg::Critical,
                                               self->ctx_.windowTitle);
            emit self->pdfSaved(ok);
        },
        a4);
}

void PageViewerWindow::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        logic_->unload();
    }
    ScreenDialog::done(result);
}

}  // namespace examsim

#include "page_viewer_window.moc"
