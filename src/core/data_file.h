#pragma once
#include "core/xml.h"

#include <filesystem>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace examsim {

struct AppContext;

// "Database/<name>.wlb" under the application folder.
std::filesystem::path dataFilePath(const AppContext& ctx, std::string_view name);

// Deciphers "Database/<name>.wlb" in memory and parses it into `doc`; no plain
// file is written. A missing file raises CryptError (source file does not
// exist); a text that does not parse leaves `doc` empty and says why.
XmlParseOutcome loadDataDocument(AppContext& ctx, std::string_view name, pugi::xml_document& doc);

// The same for a container at any path (stores without the ".wlb" name).
XmlParseOutcome loadDataDocumentAt(AppContext& ctx, const std::filesystem::path& container, pugi::xml_document& doc);

// The text with its leading XML declaration, when it has one, naming
// "windows-1252", the encoding every data and plain file is written in; its
// version and standalone stay. A text without a declaration is returned as it is.
std::string declaredAsStored(std::string_view xml);

// The document's XML text as it is stored: Windows-1252 (so declared, when it
// has a declaration), line breaks CR LF, characters the code page cannot hold
// as character references (referencedForCodePage).
std::string storedBytes(const pugi::xml_node& doc);

// Replaces "Database/<name>.wlb" with the enciphered document, atomically.
// Throws FileWriteError when it cannot; the old container is then unchanged.
void saveDataDocument(AppContext& ctx, const pugi::xml_node& doc, std::string_view name);

// The same for a container at any path.
void saveDataDocumentAt(AppContext& ctx, const pugi::xml_node& doc, const std::filesystem::path& container);

// Line breaks as CR LF, whatever they were.
std::string crlfLineBreaks(std::string_view text);

// Writes a plain ANSI text file (atomically). The text is replaced by what was
// written (CR LF line breaks, a declaration naming "windows-1252", characters
// the code page cannot hold as character references). A failure to write shows
// "si13" and ends the program.
void writeXMLFile(AppContext& ctx, std::string& text, const std::filesystem::path& plainFile, std::string_view logLabel);

}  // namespace examsim
