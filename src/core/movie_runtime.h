#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace examsim {

// The movie runtime's script, as every movie carries it.
std::string_view movieRuntimeScript();

// Where a movie source asks for the runtime.
inline constexpr std::string_view kMovieRuntimeMarker = "<!-- movie-runtime -->";

// The movie with the runtime inlined at its marker, or at the end of its head
// when it has none; nothing when it has neither.
std::optional<std::string> withMovieRuntime(std::string_view html);

}  // namespace examsim
