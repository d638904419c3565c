#include "desktop/screens/main_window.h"

#include "core/app_context.h"
#include "core/product_settings.h"
#include "desktop/screens/exit_dialog.h"
#include "desktop/screens/instruction_window.h"
#include "desktop/screens/window_log.h"
#include "screens/main_window_contract.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace examsim {
namespace {

// The empty frame shows the product, not a grey void.
class ScreenArea : public QMdiArea {
public:
    ScreenArea(QString product, QWidget* parent) : QMdiArea(parent), product_(std::move(product)) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QMdiArea::paintEvent(event);
        QPainter p(viewport());
        const QRect r = viewport()->rect();
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, QColor(18, 52, 86));
        g.setColorAt(1, QColor(28, 98, 128));
        p.fillRect(r, g);
        p.setPen(QColor(255, 255, 255, 26));
        for (int x = -r.height(); x < r.width(); x += 48) p.drawLine(x, r.height(), x + r.height(), 0);
        p.setPen(QColor(236, 244, 250));
        QFont title = font();
        title.setPointSizeF(title.pointSizeF() * 2.4);
        title.setBold(true);
        p.setFont(title);
        p.drawText(r.adjusted(0, 0, 0, -r.height() / 6), Qt::AlignCenter, product_);
        QFont sub = font();
        sub.setPointSizeF(sub.pointSizeF() * 1.2);
        p.setFont(sub);
        p.setPen(QColor(180, 214, 232));
        p.drawText(r.adjusted(0, r.height() / 8, 0, 0), Qt::AlignCenter, "Exam Simulator");
    }

private:
    QString product_;
};

}  // namespace

MainWindow::MainWindow(AppContext& ctx, WebEnvironment& web, ShellTargets targets)
    : ctx_(ctx), web_(web), logic_(ctx, [&] {
          targets.dialogs = this;
          return targets;
      }()) {
    setObjectName(main_window_contract::kScreen);
    area_ = new ScreenArea(QString::fromStdString(ProductSettings(ctx).productName()), this);
    setCentralWidget(area_);
    logic_.load();
    buildMenus();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const int w = std::min(1280, s->availableGeometry().width() * 4 / 5);
        resize(w, w * 3 / 4);
        move(s->availableGeometry().center() - rect().center());
    }
    logic_.activate();
    sync();
    addHelpKey(*this, *this);
}

void MainWindow::helpKey() {
    const QMdiSubWindow* child = area_->activeSubWindow();
    if (auto* screen = child ? dynamic_cast<HelpKeyTarget*>(child->widget()) : nullptr)
        screen->helpKey();
    else
        logic_.menuCommand(main_window_contract::menu::Content);
}

void MainWindow::buildMenus() {
    const std::function<void(QMenu*, const MenuItem&)> add = [&](QMenu* menu, const MenuItem& item) {
        if (item.separator()) {
            menu->addSeparator();
            return;
        }
        if (!item.items.empty()) {
            QMenu* sub = menu->addMenu(QString::fromStdString(item.caption));
            actions_.insert(QString::fromStdString(item.name), sub->menuAction());
            for (const MenuItem& child : item.items) add(sub, child);
            return;
        }
        QAction* a = menu->addAction(QString::fromStdString(item.caption));
        actions_.insert(QString::fromStdString(item.name), a);
        connect(a, &QAction::triggered, this, [this, name = item.name] {
            logic_.menuCommand(name);
            sync();
        });
    };
    for (const MenuItem& top : logic_.menus()) {
        if (!top.items.empty()) {
            QMenu* menu = menuBar()->addMenu(QString::fromStdString(top.caption));
            actions_.insert(QString::fromStdString(top.name), menu->menuAction());
            for (const MenuItem& child : top.items) add(menu, child);
        } else {
            QAction* a = menuBar()->addAction(QString::fromStdString(top.caption));
            actions_.insert(QString::fromStdString(top.name), a);
            connect(a, &QAction::triggered, this, [this, name = top.name] { logic_.menuCommand(name); });
        }
    }
}

void MainWindow::sync() {
    for (auto it = actions_.begin(); it != actions_.end(); ++it)
        if (const MenuItem* item = logic_.find(it.key().toStdString())) it.value()->setEnabled(item->enabled);
    const QString caption = QString::fromStdString(logic_.caption());
    if (!caption.isEmpty()) setWindowTitle(caption);
}

void MainWindow::showInstructions(InstructionTarget& parent) {
    InstructionWindow dialog(ctx_, parent, web_, this);
    dialog.exec();
}

bool MainWindow::instructionsAccepted() { return logic_.instructionsAccepted(); }

void MainWindow::setMenuEntryEnabled(const std::string& name, bool enabled) {
    logic_.setEntryEnabled(name, enabled);
    sync();
}

void MainWindow::confirmExit() {
    ExitDialog dialog(ctx_, this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    logic_.requestClose();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        logic_.activate();
        sync();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    logic_.activate();
    sync();
    QTimer::singleShot(0, this, [] { logWindowEvent("main"); });
}

// The active screen's movie follows the window; nothing happens without one.
void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    QMdiSubWindow* child = area_->activeSubWindow();
    if (child && child->widget() && child->widget()->property("fillsItself").toBool()) return;
    QWidget* movie = child ? child->findChild<QWidget*>("objSwf") : nullptr;
    if (!movie) return;
    const double twips = 1440.0 / logicalDpiX();
    const MovieLayout l = resizeLayout(isMaximized(), static_cast<int>(width() * twips), static_cast<int>(height() * twips));
    // Never past the screen's own window, which the menu bar makes lower than the frame.
    const QRect rule(0, static_cast<int>(l.movieTop / twips), static_cast<int>(l.movieWidth / twips),
                     static_cast<int>(l.movieHeight / twips));
    movie->setGeometry(rule.intersected(movie->parentWidget()->rect()));
    if (!isMaximized() && l.mainHeight != static_cast<int>(height() * twips)) resize(width(), static_cast<int>(l.mainHeight / twips));
}

}  // namespace examsim
