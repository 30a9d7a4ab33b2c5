#include "fullscreen.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace frankierung {

FullScreenMode::FullScreenMode(QWidget& window, QMenu& menu)
    : QObject(&window), window_(window), toggle_(menu.addAction(tr("Vollbild"))) {
    toggle_->setObjectName(QStringLiteral("cmdVollbild"));
    toggle_->setCheckable(true);
    toggle_->setShortcut(Qt::Key_F11);
    connect(toggle_, &QAction::toggled, this, &FullScreenMode::set);
    // Only while full screen: elsewhere Esc stays with the control that has the focus.
    leave_ = new QShortcut(Qt::Key_Escape, &window);
    leave_->setEnabled(false);
    connect(leave_, &QShortcut::activated, this, [this] { set(false); });
    window.installEventFilter(this);
}

void FullScreenMode::set(bool on) {
    // Maximized stays as it was beneath: leaving full screen goes back to it.
    window_.setWindowState(on ? window_.windowState() | Qt::WindowFullScreen
                              : window_.windowState() & ~Qt::WindowFullScreen);
}

bool FullScreenMode::eventFilter(QObject* /*watched: the window only*/, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const bool on = window_.isFullScreen();
        toggle_->setChecked(on);
        leave_->setEnabled(on);
    }
    return false;
}

}  // namespace frankierung
