#include "core/movie_runtime.h"


namespace examsim {

extern const char kMovieRuntimeScript[];

std::string_view movieRuntimeScript() { return kMovieRuntimeScript; }

std::optional<std::string> withMovieRuntime(std::string_view html) {
    const std::string script = "<script>\n" + std::string(movieRuntimeScript()) + "\n</script>";
    std::string out(html);
    std::size_t at = out.find(kMovieRuntimeMarker);
    if (at != std::string::npos) return out.replace(at, kMovieRuntimeMarker.size(), script);
    at = out.find("</head>");
    if (at == std::string::npos) return std::nullopt;
    return out.insert(at, script + "\n");
}

}  // namespace examsim
