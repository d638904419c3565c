#pragma once
#include <string>
#include <string_view>

namespace examsim {

// Plain data on disk is Windows-1252; text inside the program is UTF-8.

// Every byte converts; the five bytes Windows-1252 leaves undefined become the
// control characters of the same number, as the platform's own conversion does.
std::string cp1252ToUtf8(std::string_view ansi);

// The same into a caller's buffer of at least cp1252Utf8Length(ansi) + 4
// bytes; returns the end of what was written.
std::size_t cp1252Utf8Length(std::string_view ansi);
char* cp1252ToUtf8Into(std::string_view ansi, char* out);

// The same in place: `buffer` holds `n` Windows-1252 bytes and has room for
// `utf8Length` = cp1252Utf8Length of them. Returns utf8Length.
std::size_t cp1252ToUtf8InPlace(char* buffer, std::size_t n, std::size_t utf8Length);

// False (and `out` incomplete) when the text holds a character that
// Windows-1252 cannot hold, or is not valid UTF-8.
bool utf8ToCp1252(std::string_view utf8, std::string& out);

// As above, dropping every character that cannot be held.
std::string utf8ToCp1252Lossy(std::string_view utf8);

}  // namespace examsim
