#include "desktop/screens/help_key.h"

#include <QShortcut>
#include <QWidget>

namespace examsim {

QShortcut* addHelpKey(QWidget& window, HelpKeyTarget& target) {
    auto* key = new QShortcut(QKeySequence::HelpContents, &window);
    QObject::connect(key, &QShortcut::activated, &window, [&target] { target.helpKey(); });
    return key;
}

HelpKeyTarget* helpKeyOwner(QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (auto* target = dynamic_cast<HelpKeyTarget*>(widget)) return target;
    return nullptr;
}

}  // namespace examsim
