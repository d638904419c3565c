#include "help_file.h"

#include "engine_support.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace examsim::test {
namespace {

std::filesystem::path compile(const std::filesystem::path& folder) {
    const std::string cmd = "cd '" + folder.string() + "' && chmcmd Help.hhp > chmcmd.log 2>&1";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << readFile(folder / "chmcmd.log");
    return folder / "Help.chm";
}

}  // namespace

std::filesystem::path compileHelp(const std::filesystem::path& folder, const std::vector<HelpPage>& pages,
                                  const std::string& contents) {
    std::filesystem::create_directories(folder);
    std::string project = "[OPTIONS]\nCompiled file=Help.chm\nTitle=Help\n";
    if (!contents.empty()) {
        project += "Contents file=Help.hhc\n";
        writeFile(folder / "Help.hhc", contents);
    }
    project += "\n[FILES]\n";
    for (const HelpPage& page : pages) {
        project += page.file + "\n";
        writeFile(folder / page.file,
                  "<html><head><title>" + page.title + "</title></head><body><h1>" + page.title + "</h1></body></html>");
    }
    writeFile(folder / "Help.hhp", project);
    return compile(folder);
}

std::filesystem::path compileSampleHelp(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::filesystem::copy(sourceDir() / "product" / "help", folder, std::filesystem::copy_options::recursive);
    return compile(folder);
}

}  // namespace examsim::test
