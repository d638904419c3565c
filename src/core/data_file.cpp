#include "core/data_file.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/character_references.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/file_ops.h"
#include "core/messages.h"

#include <new>
#include <utility>
#include <vector>

namespace examsim {

std::filesystem::path dataFilePath(const AppContext& ctx, std::string_view name) {
    return ctx.paths.resolve("/Database/" + std::string(name) + ".wlb");
}

XmlParseOutcome loadDataDocument(AppContext& ctx, std::string_view name, pugi::xml_document& doc) {
    return loadDataDocumentAt(ctx, dataFilePath(ctx, name), doc);
}

XmlParseOutcome loadDataDocumentAt(AppContext& ctx, const std::filesystem::path& container, pugi::xml_document& doc) {
    // Read, deciphered and converted inside the parser's own buffer: the
    // question bank is loaded at every start and should cost little more than
    // parsing it.
    const auto allocate = pugi::get_memory_allocation_function();
    const auto release = pugi::get_memory_deallocation_function();
    std::size_t n = 0;
    const std::size_t slack = 64;  // most data files grow by a few bytes only
    char* buffer = readWholeFileInto(container, n, slack, allocate, release);
    if (!buffer) throw sourceMissingError(container);
    ctx.dataCipher.DecryptByte({reinterpret_cast<std::uint8_t*>(buffer), n}, kPassPhrase);

    const std::string_view ansi(buffer, n);
    const std::size_t length = cp1252Utf8Length(ansi);
    if (length <= n + slack) {
        cp1252ToUtf8InPlace(buffer, n, length);
    } else {
        char* wide = static_cast<char*>(allocate(length + 4));
        if (!wide) {
            release(buffer);
            throw std::bad_alloc();
        }
        cp1252ToUtf8Into(ansi, wide);
        release(buffer);
        buffer = wide;
    }
    return parseXmlAdopting(doc, buffer, length);
}

std::string crlfLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

namespace {

bool isXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The pseudo-attributes of a declaration's inside, as far as they are well formed.
std::vector<std::pair<std::string_view, std::string_view>> pseudoAttributes(std::string_view inside) {
    std::vector<std::pair<std::string_view, std::string_view>> out;
    std::size_t i = 0;
    for (;;) {
        while (i < inside.size() && isXmlSpace(inside[i])) ++i;
        const std::size_t nameStart = i;
        while (i < inside.size() && !isXmlSpace(inside[i]) && inside[i] != '=') ++i;
        const std::string_view name = inside.substr(nameStart, i - nameStart);
        while (i < inside.size() && isXmlSpace(inside[i])) ++i;
        if (name.empty() || i >= inside.size() || inside[i] != '=') return out;
        ++i;
        while (i < inside.size() && isXmlSpace(inside[i])) ++i;
        if (i >= inside.size() || (inside[i] != '"' && inside[i] != '\'')) return out;
        const char quote = inside[i++];
        const std::size_t close = inside.find(quote, i);
        if (close == std::string_view::npos) return out;
        out.emplace_back(name, inside.substr(i, close - i));
        i = close + 1;
    }
}

}  // namespace

std::string declaredAsStored(std::string_view xml) {
    constexpr std::string_view kOpen = "<?xml";
    if (xml.substr(0, kOpen.size()) != kOpen || xml.size() <= kOpen.size()) return std::string(xml);
    if (!isXmlSpace(xml[kOpen.size()]) && xml[kOpen.size()] != '?') return std::string(xml);  // "<?xml-stylesheet" is no declaration
    const std::size_t end = xml.find("?>");
    if (end == std::string_view::npos) return std::string(xml);
    std::string_view version = "1.0", standalone;
    for (const auto& [name, value] : pseudoAttributes(xml.substr(kOpen.size(), end - kOpen.size()))) {
        if (name == "version") version = value;
        if (name == "standalone") standalone = value;
    }
    std::string out = "<?xml version=\"";
    out.append(version).append("\" encoding=\"windows-1252\"");
    if (!standalone.empty()) out.append(" standalone=\"").append(standalone).append("\"");
    out.append("?>").append(xml.substr(end + 2));
    return out;
}

std::string storedBytes(const pugi::xml_node& doc) {
    const std::string text = crlfLineBreaks(declaredAsStored(xmlText(doc)));
    std::string ansi;
    if (!utf8ToCp1252(text, ansi)) ansi = utf8ToCp1252Lossy(referencedForCodePage(text));
    return ansi;
}

void saveDataDocument(AppContext& ctx, const pugi::xml_node& doc, std::string_view name) {
    saveDataDocumentAt(ctx, doc, dataFilePath(ctx, name));
}

void saveDataDocumentAt(AppContext& ctx, const pugi::xml_node& doc, const std::filesystem::path& container) {
    std::string bytes = storedBytes(doc);
    ctx.dataCipher.EncryptByte({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}, kPassPhrase);
    requireInsideFolder(ctx.paths, container);
    writeFileAtomically(container, bytes);
}

void writeXMLFile(AppContext& ctx, std::string& text, const std::filesystem::path& plainFile, std::string_view) {
    text = crlfLineBreaks(declaredAsStored(text));
    std::string ansi;
    if (!utf8ToCp1252(text, ansi)) {
        text = referencedForCodePage(text);
        ansi = utf8ToCp1252Lossy(text);
    }
    try {
        requireInsideFolder(ctx.paths, plainFile);
        writeFileAtomically(plainFile, ansi);
    } catch (const FileWriteError&) {
        showMessage(ctx, msgcode::FileNotWritten, msg::OkOnly);
        if (ctx.host.program) ctx.host.program->endProgram(1);
        throw;
    }
}

}  // namespace examsim
