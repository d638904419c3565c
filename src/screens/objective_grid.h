// frmPGrid, the objective grid dialog, with the form it reads.
#pragma once
#include "core/host.h"
#include "core/message_codes.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace examsim {

struct AppContext;
class TestLauncher;

// The grid page's form as the dialog reads it, control by id.
class GridForm {
public:
    virtual ~GridForm() = default;
    virtual bool checked(const std::string& id) = 0;
    // A list's count: its number of entries less 1 less the selected index;
    // 0 for a list the page does not have.
    virtual std::int32_t listValue(const std::string& id) = 0;
    virtual std::string text(const std::string& id) = 0;
};

// The objective grid dialog, frmPGrid: a customized test chosen objective by
// objective and level on an HTML form.
class frmPGrid {
public:
    static constexpr const char* kCaption = "Customized Test";

    // `tests` opens the question screen once a test is built.
    frmPGrid(AppContext& ctx, TestLauncher& tests);

    // Load and cmd_reset: the grid page deciphered afresh to
    // "\Database\grid.html", the page to show. Nothing, after a message, when
    // the product has no grid page.
    std::optional<std::filesystem::path> load();
    std::optional<std::filesystem::path> cmd_reset() { return load(); }
    // Builds the chosen test; true when it was built and the dialog closes.
    bool cmd_Start(GridForm& form);
    void cmd_Cancel() { closed_ = true; }
    // Deletes the grid page.
    void unload();

    bool closed() const { return closed_; }
    // Beginner, Intermediate, Expert of the last cmd_Start.
    const std::array<std::int32_t, 3>& totals() const { return totals_; }

private:
    BoxAnswer say(const MessageCode& code, const std::string& title);
    std::filesystem::path gridPage() const;

    AppContext& ctx_;
    TestLauncher& tests_;
    std::array<std::int32_t, 3> totals_{0, 0, 0};
    bool closed_ = false;
};

}  // namespace examsim
