#include "check_rules.h"

#include "core/file_io.h"

#include <regex>
#include <set>
#include <sstream>

namespace examsim::pack {
namespace fs = std::filesystem;

namespace {

// The topic every help button opens.
constexpr const char* kMainTopic = "using__vostrane_exam_simulator.htm";

std::string trimmed(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    const auto b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

struct Project {
    std::set<std::string> files;      // [FILES]
    std::vector<std::string> others;  // contents, index, default topic
};

Project readProject(const std::string& text) {
    Project p;
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[') {
            section = line;
            continue;
        }
        if (section == "[FILES]") {
            p.files.insert(line);
        } else if (section == "[OPTIONS]") {
            const auto eq = line.find('=');
            const std::string key = trimmed(line.substr(0, eq));
            if (eq != std::string::npos && (key == "Contents file" || key == "Index file" || key == "Default topic"))
                p.others.push_back(trimmed(line.substr(eq + 1)));
        }
    }
    return p;
}

}  // namespace

void checkHelp(ProductSources& src) {
    const fs::path help = src.folder() / "help";
    std::vector<fs::path> projects;
    if (fs::is_directory(help))
        for (const auto& e : fs::directory_iterator(help))
            if (e.path().extension() == ".hhp") projects.push_back(e.path());
    if (projects.size() != 1) {
        src.add("help/", "(folder)", "needs exactly one help project (.hhp)");
        return;
    }
    const std::string projectFile = "help/" + projects.front().filename().string();
    std::string text;
    readWholeFile(projects.front(), text);
    const Project project = readProject(text);

    for (const auto& f : project.files)
        if (!fs::is_regular_file(help / f)) src.add(projectFile, "[FILES] " + f, "topic file is missing");
    for (const auto& f : project.others)
        if (!fs::is_regular_file(help / f)) src.add(projectFile, "[OPTIONS] " + f, "file is missing");
    if (!project.files.count(kMainTopic)) src.add(projectFile, "[FILES]", std::string("must list ") + kMainTopic);

    // Every topic is compiled in, and its links and pictures are too.
    const std::regex ref(R"re(\b(?:src|href)\s*=\s*"([^"#?:]+)[^"]*")re");
    const std::regex local(R"re(<param\s+name\s*=\s*"Local"\s+value\s*=\s*"([^"#]+)[^"]*")re", std::regex::icase);
    for (const auto& e : fs::directory_iterator(help)) {
        const std::string ext = e.path().extension().string();
        const std::string name = e.path().filename().string();
        if (ext != ".htm" && ext != ".html" && ext != ".hhc" && ext != ".hhk") continue;
        if ((ext == ".htm" || ext == ".html") && !project.files.count(name))
            src.add(projectFile, "[FILES]", "topic " + name + " is not listed, so it is not compiled in");
        std::string page;
        readWholeFile(e.path(), page);
        for (const auto& re : {ref, local})
            for (std::sregex_iterator it(page.begin(), page.end(), re), end; it != end; ++it) {
                const std::string target = (*it)[1];
                if (!fs::is_regular_file(help / target)) src.add("help/" + name, target, "link to a missing file");
                else if (!project.files.count(target) &&
                         std::find(project.others.begin(), project.others.end(), target) == project.others.end())
                    src.add("help/" + name, target, "links to a file the project does not list");
            }
    }
}

}  // namespace examsim::pack
