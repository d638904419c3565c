#include "engine_support.h"

#include "core/encoding.h"
#include "core/movie_runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWebEnginePage>
#include <QWidget>
#include <cstdlib>
#include <memory>

namespace examsim::test {

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

void keepShot(QWidget* window, const char* name) {
    const char* dir = std::getenv("EXAMSIM_SHOTS");
    if (!dir) return;
    waitUntil([] { return false; }, 400);  // the last frame drawn
    window->grab().save(QString("%1/%2.png").arg(dir, name));
}

QVariant evaluate(QWebEnginePage* page, const QString& script) {
    // Shared, so a result that comes after the wait gave up lands safely.
    auto state = std::make_shared<std::pair<QVariant, bool>>();
    page->runJavaScript(script, [state](const QVariant& v) { *state = {v, true}; });
    waitUntil([&] { return state->second; });
    return state->first;
}

void writeMovie(const std::filesystem::path& file, const std::string& html) {
    std::string bytes;
    utf8ToCp1252(withMovieRuntime(html).value_or(html), bytes);
    clsCryptAPI cipher;
    cipher.EncryptByte({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}, kPassPhrase);
    writeFile(file, bytes);
}

std::filesystem::path sourceDir() {
    const char* source = std::getenv("EXAMSIM_SOURCE_DIR");
    return source ? source : ".";
}

std::string sampleMovie(const std::string& name) {
    const auto product = sourceDir() / "product";
    std::string html = readFile(product / "movies" / (name + ".html"));
    // As assembling does: the shared stylesheets and the scripts a movie asks for are written in.
    const struct {
        const char *open, *folder, *extension, *before, *after;
    } markers[] = {{"<!-- style ", "style", ".css", "<style>\n", "</style>"},
                   {"<!-- script ", "scripts", ".js", "<script>\n", "</script>"}};
    const std::string close = " -->";
    for (const auto& m : markers) {
        const std::string open = m.open;
        for (std::size_t at; (at = html.find(open)) != std::string::npos;) {
            const std::size_t end = html.find(close, at);
            if (end == std::string::npos) break;
            const std::string file = html.substr(at + open.size(), end - at - open.size()) + m.extension;
            html.replace(at, end + close.size() - at, m.before + readFile(product / m.folder / file) + m.after);
        }
    }
    return html;
}

Engine::Engine() : web((ctx.paths.setFolder(folder.path()), ctx.paths)) {
    host.attach(ctx);
    std::filesystem::create_directories(folder / "Database");
}

}  // namespace examsim::test
