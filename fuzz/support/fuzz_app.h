#pragma once
#include "core/app_context.h"
#include "core/host.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace examsim::fuzz {

// Ending the program unwinds to the fuzz target instead.
struct Ended : std::runtime_error {
    Ended() : std::runtime_error("program ended") {}
};

struct QuietHost : MessageBoxes, LinkOpener, Mailer, ProgramControl {
    BoxAnswer show(const std::string&, BoxStyle, const std::string&) override { return msg::Ok; }
    void openLink(const std::string& target) override { opened = target; }
    bool send(const MailMessage&) override { return true; }
    [[noreturn]] void endProgram(int) override { throw Ended(); }
    std::string opened;
};

// A movie that keeps nothing.
struct NullMovie : Movie {
    void LoadMovie(int, const std::filesystem::path&) override {}
    void SetVariable(const std::string&, const std::string&) override {}
    std::string GetVariable(const std::string&) override { return {}; }
    void GotoFrame(int) override {}
    void TGotoFrame(const std::string&, int) override {}
    int FrameNum() override { return 0; }
    void Rewind() override {}
    void Stop() override {}
};

// One application folder for the whole run (in memory where the machine
// offers it, as the stores are flushed on every write), with a context
// wired to a host that shows nothing, and a product with two objectives.
struct FuzzApp {
    FuzzApp();
    // Empties Database and the folder's own files and starts a new context.
    AppContext& fresh();
    std::filesystem::path folder;
    QuietHost host;
    AppContext* ctx = nullptr;
};

FuzzApp& app();

// Writes `plain` as an enciphered container.
void writeContainer(const std::filesystem::path& file, std::string_view plain);

// Splits the input at the first occurrence of a separator line: "\n====\n".
std::pair<std::string_view, std::string_view> splitInput(std::string_view input);

// Stops the run with a message when an invariant breaks.
void require(bool condition, const char* what);

// A document's content without its XML declaration, which a store rewrites
// to name the encoding it is stored in.
std::string contentText(const pugi::xml_node& doc);

}  // namespace examsim::fuzz
