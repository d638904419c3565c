// frmQueOptbox, the finish dialog: how a running test ends. The answer goes
// to the calling window's iReply.
#pragma once
#include <array>
#include <string>

namespace examsim {

// The window whose iReply the finish dialog writes.
struct ReplyTarget {
    std::string iReply;
};

// What the running test allows at its end.
struct FinishFlags {
    bool recordableResult = true;  // enables "Grading -"
    bool quizKind = true;          // true unless a quiz runs; enables "Save && Resume Later -"
    bool timeOver = false;         // the clock ran out: Cancel is disabled
};

class frmQueOptbox {
public:
    struct Option {
        std::string caption;
        std::string answer;
        std::array<std::string, 2> description;
        bool enabled = true;
    };

    static constexpr const char* kCaption = "Do you want to Close your Exam?";
    static constexpr const char* kHeading = "Please choose the desired option:";
    static constexpr const char* kOk = "&OK";
    static constexpr const char* kCancel = "&Cancel";

    frmQueOptbox();

    void SetParent(ReplyTarget& parent) { parent_ = &parent; }
    void load(const FinishFlags& flags);

    const Option& option(int i) const { return options_.at(i); }
    bool cancelEnabled() const { return cancelEnabled_; }
    // Selecting a disabled option does nothing.
    void select(int i);
    int selected() const { return selected_; }

    void cmdYes();
    void cmdNo();
    void closeBox();
    bool closed() const { return closed_; }

private:
    std::array<Option, 4> options_;
    ReplyTarget* parent_ = nullptr;
    int selected_ = -1;
    bool cancelEnabled_ = true;
    bool closed_ = false;
};

}  // namespace examsim
