#include "menukeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QShortcut>

namespace frankierung {

void openMenuBarWithF10(QMainWindow& window) {
    auto* f10 = new QShortcut(Qt::Key_F10, &window);
    QObject::connect(f10, &QShortcut::activated, &window, [&window] {
        // The menu bar enters and leaves its keyboard navigation on a lone Alt: its press
        // announced as a shortcut, then its release. An event of a modifier key reports that
        // modifier the other way round from how it was made.
        QKeyEvent altPressed(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &altPressed);
        QKeyEvent altReleased(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(&window, &altReleased);
    });
}

}  // namespace frankierung
