#pragma once
#include "pack_error.h"

#include <filesystem>
#include <ostream>
#include <string>

namespace examsim::pack {

void encipher(const std::filesystem::path& plain, const std::filesystem::path& container);
void decipher(const std::filesystem::path& container, const std::filesystem::path& plain);

// Builds an application folder from a product's readable sources:
//   data/*.xml      -> Database/<name>.wlb
//   movies/*.html   -> <name>.wlb, with the movie runtime inlined
//   pages/*.html    -> Database/<name>.wlb (pages the HTML viewer deciphers)
//   files/**        -> copied as they are (pages, pictures, stylesheets)
//   style/*.css     -> written into every page, help page included, that asks
//                      for it with <!-- style NAME --> (page_styles.h)
//   help/*.hhp      -> Help/Help.chm and Help/help.chm, compiled with chmcmd
void assemble(const std::filesystem::path& product, const std::filesystem::path& appFolder, std::ostream& log);

// The stored form of a UTF-8 source text: Windows-1252 with CR LF line
// breaks. Refuses text that the code page cannot hold.
std::string storedForm(const std::string& utf8, const std::filesystem::path& source);

}  // namespace examsim::pack
