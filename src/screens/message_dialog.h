// frmMsg, the exit confirmation of the main window; its "Yes" ends the program.
#pragma once
#include <string>

namespace examsim {

struct AppContext;

class frmMsg {
public:
    static constexpr const char* kText = "Are you sure you want to exit the Vostrane Exam Simulator now?";
    static constexpr const char* kYes = "Yes";
    static constexpr const char* kNo = "No";

    explicit frmMsg(AppContext& ctx) : ctx_(ctx) {}

    // The window-title text.
    std::string caption() const;
    // Ends the program at once.
    [[noreturn]] void cmdYes();
    void cmdNo() { closed_ = true; }
    bool closed() const { return closed_; }

private:
    AppContext& ctx_;
    bool closed_ = false;
};

}  // namespace examsim
