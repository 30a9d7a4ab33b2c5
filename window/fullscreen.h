// Full screen for the projector: "Vollbild" in the menu and F11 switch it on and off, Esc leaves
// it; the menu's check mark follows the window, whoever changed its state.
#pragma once

#include <QObject>

class QAction;
class QMenu;
class QShortcut;
class QWidget;

namespace frankierung {

class FullScreenMode final : public QObject {
    Q_OBJECT
public:
    // Adds "Vollbild" to menu.
    FullScreenMode(QWidget& window, QMenu& menu);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void set(bool on);

    QWidget& window_;
    QAction* toggle_;
    QShortcut* leave_;
};

}  // namespace frankierung
