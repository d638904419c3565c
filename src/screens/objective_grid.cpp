#include "screens/objective_grid.h"

#include "bank/customized_test.h"
#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/file_ops.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/xml.h"
#include "screens/main_window_screen.h"

namespace examsim {
namespace {

constexpr const char* kGridContainer = "\\database\\pGrid.wlb";
constexpr const char* kGridPage = "\\Database\\grid.html";
constexpr const char* kNoGrid = "The Customized Test page is not part of this product.";
constexpr const char* kNoObjectives = "The objectives of the Customized Test could not be read.";
constexpr double kAdaptiveLevelMinimum = 15;
constexpr double kMaxMinutes = 300;

}  // namespace

frmPGrid::frmPGrid(AppContext& ctx, TestLauncher& tests) : ctx_(ctx), tests_(tests) {}

std::filesystem::path frmPGrid::gridPage() const { return ctx_.paths.resolve(kGridPage); }

BoxAnswer frmPGrid::say(const MessageCode& code, const std::string& title) {
    return showMessage(ctx_, code, msg::OkOnly, title);
}

std::optional<std::filesystem::path> frmPGrid::load() {
    try {
        // The page's bytes as stored: it names its own character set.
        const auto page = ctx_.dataCipher.decipherFile(ctx_.paths.resolve(kGridContainer), kPassPhrase);
        requireInsideFolder(ctx_.paths, gridPage());
        writeFileAtomically(gridPage(), page);
    } catch (const std::exception&) {
        deleteFile(ctx_.paths, gridPage());
        if (ctx_.host.messages) ctx_.host.messages->show(kNoGrid, msg::OkOnly | msg::Information, ctx_.windowTitle);
        return std::nullopt;
    }
    return gridPage();
}

void frmPGrid::unload() { deleteFile(ctx_.paths, gridPage()); }

bool frmPGrid::cmd_Start(GridForm& form) {
    ctx_.bookmarkKind = true;
    ctx_.recordableResult = true;
    ctx_.quizKind = true;
    ctx_.examClosed = false;

    pugi::xml_document selection;
    bool read = false;
    try {
        read = static_cast<bool>(loadDataDocument(ctx_, "custom", selection));
    } catch (const CryptError&) {
    }
    if (!read || !selection.child("custom")) {
        if (ctx_.host.messages) ctx_.host.messages->show(kNoObjectives, msg::OkOnly | msg::Critical, ctx_.windowTitle);
        return false;
    }

    totals_ = {0, 0, 0};
    for (pugi::xml_node objective : selection.child("custom").children("objective")) {
        const std::string topic = textContent(objective);
        std::array<std::int32_t, 3> counts{0, 0, 0};  // Beginner, Intermediate, Expert
        // An objective left unticked asks for nothing, whatever the file keeps for it.
        if (form.checked(topic + "_chk"))
            counts = {form.listValue(topic + "_obj_3"), form.listValue(topic + "_obj_2"), form.listValue(topic + "_obj_1")};
        setAttribute(objective, "Expert", std::to_string(counts[2]));
        setAttribute(objective, "Intermediate", std::to_string(counts[1]));
        setAttribute(objective, "Beginner", std::to_string(counts[0]));
        for (std::size_t l = 0; l < counts.size(); ++l) totals_[l] += counts[l];
    }
    if (totals_[0] == 0 && totals_[1] == 0 && totals_[2] == 0) {
        say(msgcode::CustomizedNothingChosen, ctx_.windowTitle);
        return false;
    }
    // A time that is not a number is no time.
    const double minutes = numberValue(form.text("txt_time")).value_or(0);
    if (minutes * 60 < 1) {
        say(msgcode::TimeTooShort, ctx_.windowTitle);
        return false;
    }
    if (minutes > kMaxMinutes) {
        say(msgcode::TimeTooLong, ctx_.windowTitle);
        return false;
    }
    const bool adaptive = form.checked("chk_adaptive");
    if (adaptive)
        for (std::int32_t total : totals_)
            if (total < kAdaptiveLevelMinimum) {
                say(msgcode::AdaptiveLevelTooSmall, ctx_.windowTitle);
                return false;
            }
    if (!buildCustomizedTest(ctx_, minutes * 60, xmlText(selection.child("custom")), adaptive)) {
        say(msgcode::ExamTimerOn, adaptive ? ctx_.windowTitle : kStandardTitle);
        return false;
    }
    closed_ = true;
    tests_.openQuestionScreen(ctx_.currentModeLabel);
    return true;
}

}  // namespace examsim
