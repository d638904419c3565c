#pragma once
#include "core/host.h"

#include <QWebEngineUrlSchemeHandler>
#include <QWidget>
#include <memory>
#include <vector>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;
class QWebEngineView;

namespace examsim {

class ChmFile;
class WebEnvironment;
struct AppContext;
struct HelpTopic;

// "help:" serves the pages of the open help file.
class HelpSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void setFile(std::shared_ptr<ChmFile> file) { file_ = std::move(file); }
    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    std::shared_ptr<ChmFile> file_;
};

// The help window: one, reused, not modal. The help file's contents beside
// its pages, Back and Forward over them; Escape closes it.
class HelpWindow : public QWidget, public HelpViewer {
    Q_OBJECT
public:
    HelpWindow(AppContext& ctx, WebEnvironment& web);
    ~HelpWindow() override;
    // Opens the topic; a closed window opens centred on the window that asked.
    void showTopic(const std::filesystem::path& helpFile, const std::string& topic) override;
    QWebEngineView* view() { return view_; }
    QTreeWidget* contents() { return contents_; }
    QAction* back() { return back_; }

private:
    void fitToScreen();
    void fillContents(const std::vector<HelpTopic>& topics, QTreeWidgetItem* parent);
    void openPage(const QString& page);
    // The contents follow the page shown.
    void markPage(const QUrl& url);

    AppContext& ctx_;
    WebEnvironment& web_;
    QWebEngineView* view_;
    QTreeWidget* contents_;
    QAction* back_;
    HelpSchemeHandler* scheme_;
    std::filesystem::path file_;
    bool placed_ = false;
};

}  // namespace examsim
