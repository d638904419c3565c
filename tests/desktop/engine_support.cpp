#include "engine_support.h"

#include "core/encoding.h"
#include "core/movie_runtime.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWebEnginePage>
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

std::string sampleMovie(const std::string& name) {
    const char* source = std::getenv("EXAMSIM_SOURCE_DIR");
    const std::filesystem::path product = std::filesystem::path(source ? source : ".") / "product";
    std::string html = readFile(product / "movies" / (name + ".html"));
    // The shared stylesheets written in, as assembling does.
    const std::string open = "<!-- style ", close = " -->";
    for (std::size_t at; (at = html.find(open)) != std::string::npos;) {
        const std::size_t end = html.find(close, at);
        if (end == std::string::npos) break;
        const std::string css = readFile(product / "style" / (html.substr(at + open.size(), end - at - open.size()) + ".css"));
        html.replace(at, end + close.size() - at, "<style>\n" + css + "</style>");
    }
    return html;
}

Engine::Engine() : web((ctx.paths.setFolder(folder.path()), ctx.paths)) {
    host.attach(ctx);
    std::filesystem::create_directories(folder / "Database");
}

}  // namespace examsim::test
