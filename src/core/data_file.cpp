#include "core/data_file.h"

#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/messages.h"

#include <new>

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

std::string storedBytes(const pugi::xml_node& doc) {
    return utf8ToCp1252Lossy(crlfLineBreaks(xmlText(doc)));
}

void saveDataDocument(AppContext& ctx, const pugi::xml_node& doc, std::string_view name) {
    saveDataDocumentAt(ctx, doc, dataFilePath(ctx, name));
}

void saveDataDocumentAt(AppContext& ctx, const pugi::xml_node& doc, const std::filesystem::path& container) {
    std::string bytes = storedBytes(doc);
    ctx.dataCipher.EncryptByte({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}, kPassPhrase);
    writeFileAtomically(container, bytes);
}

void writeXMLFile(AppContext& ctx, std::string& text, const std::filesystem::path& plainFile, std::string_view) {
    text = crlfLineBreaks(text);
    std::string ansi;
    if (!utf8ToCp1252(text, ansi)) {
        text = stripNonAscii(text);
        ansi = utf8ToCp1252Lossy(text);
    }
    try {
        writeFileAtomically(plainFile, ansi);
    } catch (const FileWriteError&) {
        showMessage(ctx, "si13", msg::OkOnly);
        if (ctx.host.program) ctx.host.program->endProgram(1);
        throw;
    }
}

}  // namespace examsim
