// Start-up settings every program that draws the chart or the window needs.
#pragma once

#include <QApplication>
#include <QFont>

namespace frankierung {

// Without a display (tests, a print server) draw offscreen; Qt would abort instead.
// Call before the application object exists.
inline void useOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// The design's look: the Fusion style, whose buttons show their colour, and a metric twin for
// "MS Sans Serif", which fontconfig would otherwise replace by some other sans serif.
inline void setUpDesignLook() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace frankierung
