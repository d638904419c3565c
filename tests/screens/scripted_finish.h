#pragma once
#include "screens/finish_dialog.h"
#include "screens/test_run_peers.h"

#include <functional>
#include <utility>
#include <vector>

namespace examsim::test {

// The finish dialog with its real logic, answering each opening with the next
// option: 0-3 chosen then OK, kCloseBox, kOkWithoutChoice. With no option left
// it is closed by its close box.
struct ScriptedFinish : FinishDialogs {
    static constexpr int kCloseBox = -1;
    static constexpr int kOkWithoutChoice = -2;

    void showFinish(ReplyTarget& parent, const FinishFlags& flags) override {
        frmQueOptbox dialog;
        dialog.SetParent(parent);
        dialog.load(flags);
        opened.push_back(flags);
        open = &dialog;
        const int option = options.empty() ? kCloseBox : options.front();
        if (!options.empty()) options.erase(options.begin());
        if (during) std::exchange(during, nullptr)();
        if (open) {
            if (option == kCloseBox) dialog.closeBox();
            else {
                if (option >= 0) dialog.select(option);
                dialog.cmdYes();
            }
        }
        open = nullptr;
    }
    bool finishOpen() override { return open != nullptr; }
    void closeFinish() override {
        ++closedByCaller;
        open->closeBox();
        open = nullptr;
    }

    std::vector<int> options;
    std::function<void()> during;  // runs while the next dialog is open
    std::vector<FinishFlags> opened;
    frmQueOptbox* open = nullptr;
    int closedByCaller = 0;
};

}  // namespace examsim::test
