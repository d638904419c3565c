#pragma once
#include "core/app_context.h"

#include <string>

namespace examsim::test {

// Writes "Database/<name>.wlb" enciphered from a plain (ASCII or UTF-8) text,
// which need not be XML; creates the Database folder.
void writeDataText(AppContext& ctx, const std::string& name, const std::string& text);

// The same at any path (movies, pages).
void writeEnciphered(AppContext& ctx, const std::filesystem::path& file, const std::string& text);

}  // namespace examsim::test
