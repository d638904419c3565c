#pragma once
#include "core/host.h"

#include <QWebEngineUrlSchemeHandler>
#include <QWidget>
#include <memory>

class QWebEngineView;

namespace examsim {

class ChmFile;
class WebEnvironment;
struct AppContext;

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

// The help window: one, reused, not modal.
class HelpWindow : public QWidget, public HelpViewer {
    Q_OBJECT
public:
    HelpWindow(AppContext& ctx, WebEnvironment& web);
    ~HelpWindow() override;
    void showTopic(const std::filesystem::path& helpFile, const std::string& topic) override;
    QWebEngineView* view() { return view_; }

private:
    AppContext& ctx_;
    QWebEngineView* view_;
    HelpSchemeHandler* scheme_;
    WebEnvironment& web_;
};

}  // namespace examsim
