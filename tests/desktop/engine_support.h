#pragma once
#include "core/app_context.h"
#include "desktop/movie/app_scheme.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <string>

class QWebEnginePage;
class QWidget;

namespace examsim::test {

// Runs the event loop until the condition holds; false after the timeout.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 20000);

// A script's result on a page, waited for.
QVariant evaluate(QWebEnginePage* page, const QString& script);

// Writes a movie as the authoring tool stores it: runtime inlined, Windows-1252, enciphered.
void writeMovie(const std::filesystem::path& file, const std::string& html);

// Saves a picture of the window as DIR/NAME.png when EXAMSIM_SHOTS=DIR is set,
// for a person to look at; does nothing otherwise.
void keepShot(QWidget* window, const char* name);

// The source folder of the project.
std::filesystem::path sourceDir();

// The sample product's movie of that name, its shared stylesheets and scripts written in.
std::string sampleMovie(const std::string& name);

// An application folder with fake host services and the web environment.
struct Engine {
    Engine();
    TempFolder folder;
    AppContext ctx;
    FakeHost host;
    WebEnvironment web;
};

}  // namespace examsim::test
