#include "pack.h"
#include "movie_scripts.h"
#include "page_styles.h"

#include "core/ascii_case.h"
#include "core/atomic_file.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/movie_runtime.h"
#include "core/xml.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <unistd.h>
#include <vector>

namespace examsim::pack {
namespace fs = std::filesystem;

namespace {

std::string readSource(const fs::path& p) {
    std::string text;
    if (!readWholeFile(p, text)) throw PackError(p.string() + ": cannot read the file (missing or not a file)");
    return text;
}

void writeContainer(const fs::path& target, std::string bytes) {
    clsCryptAPI cipher;
    cipher.EncryptByte({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}, kPassPhrase);
    fs::create_directories(target.parent_path());
    writeFileAtomically(target, bytes);
}

std::vector<fs::path> filesWithExtension(const fs::path& folder, const std::string& ext) {
    std::vector<fs::path> out;
    if (!fs::is_directory(folder)) return out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && e.path().extension() == ext) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

void checkXml(const std::string& utf8, const fs::path& source) {
    pugi::xml_document doc;
    const auto r = parseXml(doc, utf8);
    if (!r)
        throw PackError(source.string() + ":" + std::to_string(r.line) + ":" + std::to_string(r.column) +
                        ": XML does not parse: " + r.description);
}

using Sources = std::vector<std::pair<fs::path, std::string>>;

// The help pages go in with their shared styles written in.
void compileHelp(const fs::path& helpSources, const Sources& helpPages, const fs::path& appFolder, std::ostream& log) {
    const auto projects = filesWithExtension(helpSources, ".hhp");
    if (projects.empty()) return;
    const fs::path work = fs::temp_directory_path() / ("examsim-help-" + std::to_string(::getpid()));
    fs::remove_all(work);
    fs::copy(helpSources, work, fs::copy_options::recursive);
    for (const auto& [f, text] : helpPages) writeFileAtomically(work / f.filename(), text);
    const fs::path project = work / projects.front().filename();
    const std::string cmd = "cd '" + work.string() + "' && chmcmd '" + project.filename().string() + "' > chmcmd.log 2>&1";
    if (std::system(cmd.c_str()) != 0) {
        const std::string out = readSource(work / "chmcmd.log");
        fs::remove_all(work);
        throw PackError(projects.front().string() + ": chmcmd failed:\n" + out);
    }
    fs::path chm = project;
    chm.replace_extension(".chm");
    if (!fs::exists(chm)) {
        fs::remove_all(work);
        throw PackError(projects.front().string() + ": chmcmd wrote no .chm file");
    }
    fs::create_directories(appFolder / "Help");
    fs::copy_file(chm, appFolder / "Help" / "Help.chm", fs::copy_options::overwrite_existing);
    fs::copy_file(chm, appFolder / "Help" / "help.chm", fs::copy_options::overwrite_existing);
    fs::remove_all(work);
    log << "  help: " << chm.filename().string() << " compiled\n";
}

// One file of the application folder, checked and in its stored form.
struct Output {
    fs::path source;
    fs::path target;  // inside the application folder
    std::string bytes;
    bool enciphered;
};

// The program finds its files without regard to case, so two sources stored
// under names that differ only in case would leave just the last one written.
void refuseSharedNames(const std::vector<Output>& outputs) {
    std::map<std::string, fs::path> seen;
    for (const Output& o : outputs) {
        const auto [it, fresh] = seen.emplace(asciiLower(o.target.generic_string()), o.source);
        if (!fresh)
            throw PackError(o.source.string() + ": would be stored as " + o.target.generic_string() + ", like " +
                            it->second.string());
    }
}

}  // namespace

std::string storedForm(const std::string& utf8, const fs::path& source) {
    std::string ansi;
    if (!utf8ToCp1252(crlfLineBreaks(utf8), ansi))
        throw PackError(source.string() + ": holds a character that Windows-1252 cannot store (or is not UTF-8)");
    return ansi;
}

void encipher(const fs::path& plain, const fs::path& container) { writeContainer(container, readSource(plain)); }

void decipher(const fs::path& container, const fs::path& plain) {
    std::string bytes = readSource(container);
    clsCryptAPI cipher;
    cipher.DecryptByte({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}, kPassPhrase);
    writeFileAtomically(plain, bytes);
}

void assemble(const fs::path& product, const fs::path& appFolder, std::ostream& log) {
    if (!fs::is_directory(product)) throw PackError(product.string() + ": no such product folder");
    const auto dataFiles = filesWithExtension(product / "data", ".xml");
    if (dataFiles.empty()) throw PackError((product / "data").string() + ": no data files (*.xml)");

    // Check every source before writing anything.
    std::vector<Output> outputs;
    const auto container = [](const fs::path& folder, const fs::path& f) { return folder / (f.stem().string() + ".wlb"); };
    for (const auto& f : dataFiles) {
        std::string text = readSource(f);
        checkXml(text, f);
        outputs.push_back({f, container("Database", f), storedForm(text, f), true});
    }
    const auto movieFiles = filesWithExtension(product / "movies", ".html");
    for (const auto& f : movieFiles) {
        std::string html = withMovieScripts(withPageStyles(readSource(f), product, f), product, f);
        if (auto withRuntime = withMovieRuntime(html))
            html = std::move(*withRuntime);
        else
            log << "  warning: " << f.filename().string() << " has no <!-- movie-runtime --> marker and no </head>; stored as it is\n";
        outputs.push_back({f, container("", f), storedForm(html, f), true});
    }
    const auto pageFiles = filesWithExtension(product / "pages", ".html");
    for (const auto& f : pageFiles)
        outputs.push_back({f, container("Database", f), storedForm(withPageStyles(readSource(f), product, f), f), true});
    std::size_t copies = 0;
    if (fs::is_directory(product / "files"))
        for (const auto& e : fs::recursive_directory_iterator(product / "files")) {
            if (!e.is_regular_file()) continue;
            std::string bytes = readSource(e.path());
            if (isPage(e.path())) bytes = withPageStyles(bytes, product, e.path());
            outputs.push_back({e.path(), fs::relative(e.path(), product / "files"), std::move(bytes), false});
            ++copies;
        }
    Sources helpPages;
    if (fs::is_directory(product / "help"))
        for (const auto& e : fs::directory_iterator(product / "help"))
            if (e.is_regular_file() && isPage(e.path()))
                helpPages.emplace_back(e.path(), withPageStyles(readSource(e.path()), product, e.path()));
    refuseSharedNames(outputs);

    for (Output& o : outputs) {
        const fs::path target = appFolder / o.target;
        if (o.enciphered) {
            writeContainer(target, std::move(o.bytes));
        } else {
            fs::create_directories(target.parent_path());
            writeFileAtomically(target, o.bytes);
        }
    }
    log << "  data: " << dataFiles.size() << " files enciphered\n";
    log << "  movies: " << movieFiles.size() << " enciphered\n";
    log << "  pages: " << pageFiles.size() << " enciphered\n";
    log << "  files: " << copies << " copied\n";
    compileHelp(product / "help", helpPages, appFolder, log);
}

}  // namespace examsim::pack
