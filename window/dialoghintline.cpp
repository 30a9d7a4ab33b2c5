#include "dialoghintline.h"

#include <QEvent>

#include "controls.h"

namespace frankierung {

DialogHintLine::DialogHintLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("txtHinweis"));
    setAccessibleName(tr("Hinweiszeile"));
    setTextFormat(Qt::PlainText);
    setFrameShape(QFrame::StyledPanel);
    // One line high also while empty, so that the dialog does not jump when a hint appears.
    setMinimumHeight(fontMetrics().height() + 2 * frameWidth() + 4);
}

void DialogHintLine::add(QWidget* control, const QString& hint) {
    hints_.insert(control, hint);
    control->setAccessibleDescription(hint);
    control->installEventFilter(this);
}

bool DialogHintLine::eventFilter(QObject* watched, QEvent* event) {
    const bool shows = event->type() == QEvent::Enter ||
                       (event->type() == QEvent::FocusIn && focusedByKeyboard(event));
    if (const auto it = hints_.constFind(watched); shows && it != hints_.cend()) {
        setText(*it);
    }
    return false;  // the control still handles the event itself
}

}  // namespace frankierung
