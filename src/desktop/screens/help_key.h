#pragma once

class QShortcut;
class QWidget;

namespace examsim {

// A window that answers the help key (F1) for the screen it shows.
class HelpKeyTarget {
public:
    virtual ~HelpKeyTarget() = default;
    virtual void helpKey() = 0;
};

// F1 anywhere in the window asks the target.
QShortcut* addHelpKey(QWidget& window, HelpKeyTarget& target);

// The nearest of the widget and its owners that answers the help key; null
// when none does.
HelpKeyTarget* helpKeyOwner(QWidget* widget);

}  // namespace examsim
