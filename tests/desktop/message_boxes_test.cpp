#include "desktop/app/desktop_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace examsim;

namespace {

struct Pressed {
    QMessageBox::StandardButton button;
    BoxAnswer answer;
};

struct Seen {
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text, title;
};

// Shows a real box and, once it is up, notes what it shows and presses one of
// its buttons (or closes it when `press` is NoButton).
BoxAnswer showAndPress(BoxStyle style, QMessageBox::StandardButton press, Seen& seen, const std::string& title = "T") {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->standardButtons(), box->icon(), box->text(), box->windowTitle()};
        if (press == QMessageBox::NoButton) box->close();  // as Escape or the close box
        else if (QAbstractButton* b = box->button(press)) b->click();
        else box->done(0);  // the button is missing: the answer shows it
    });
    QtMessageBoxes boxes;
    return boxes.show("Go on?", style, title);
}

}  // namespace

// Each button set shows exactly its buttons, and each button answers as the
// callers compare it (Yes 6, No 7, Retry 4 ...).
TEST(QtMessageBoxes, EachStyleShowsItsButtonsAndEachButtonGivesItsAnswer) {
    const struct {
        BoxButtons buttons;
        QMessageBox::StandardButtons shown;
        std::vector<Pressed> presses;
    } rows[] = {
        {BoxButtons::OkOnly, QMessageBox::Ok, {{QMessageBox::Ok, BoxAnswer::Ok}}},
        {BoxButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel,
         {{QMessageBox::Ok, BoxAnswer::Ok}, {QMessageBox::Cancel, BoxAnswer::Cancel}}},
        {BoxButtons::AbortRetryIgnore, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
         {{QMessageBox::Abort, BoxAnswer::Abort}, {QMessageBox::Retry, BoxAnswer::Retry}, {QMessageBox::Ignore, BoxAnswer::Ignore}}},
        {BoxButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         {{QMessageBox::Yes, BoxAnswer::Yes}, {QMessageBox::No, BoxAnswer::No}, {QMessageBox::Cancel, BoxAnswer::Cancel}}},
        {BoxButtons::YesNo, QMessageBox::Yes | QMessageBox::No,
         {{QMessageBox::Yes, BoxAnswer::Yes}, {QMessageBox::No, BoxAnswer::No}}},
        {BoxButtons::RetryCancel, QMessageBox::Retry | QMessageBox::Cancel,
         {{QMessageBox::Retry, BoxAnswer::Retry}, {QMessageBox::Cancel, BoxAnswer::Cancel}}},
    };
    for (const auto& row : rows) {
        for (const Pressed& p : row.presses) {
            Seen seen;
            EXPECT_EQ(showAndPress(row.buttons, p.button, seen), p.answer)
                << "style " << static_cast<int>(row.buttons) << ", button " << p.button;
            EXPECT_EQ(seen.buttons, row.shown) << "style " << static_cast<int>(row.buttons);
        }
    }
}

TEST(QtMessageBoxes, TheIconTitleAndTextAreShownAndClosingCancels) {
    const struct {
        BoxIcon icon;
        QMessageBox::Icon shown;
    } icons[] = {{BoxIcon::None, QMessageBox::NoIcon},
                 {BoxIcon::Critical, QMessageBox::Critical},
                 {BoxIcon::Question, QMessageBox::Question},
                 {BoxIcon::Exclamation, QMessageBox::Warning},
                 {BoxIcon::Information, QMessageBox::Information}};
    for (const auto& row : icons) {
        Seen seen;
        EXPECT_EQ(showAndPress(msg::OkCancel | row.icon, QMessageBox::NoButton, seen, " Exam Simulator"), BoxAnswer::Cancel);
        EXPECT_EQ(seen.icon, row.shown) << static_cast<int>(row.icon);
        EXPECT_EQ(seen.text, "Go on?");
        EXPECT_EQ(seen.title, " Exam Simulator");
    }
    Seen seen;
    showAndPress(msg::OkOnly, QMessageBox::Ok, seen, "");
    EXPECT_EQ(seen.title, QApplication::applicationDisplayName()) << "an empty title shows the application's own";
}
