// The hint line under the chart: it explains the control under the mouse and carries what the
// chart, the pair panels and the stamp buttons have to say.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <vector>

#include "arrangement.h"

class QTextEdit;
class QWidget;

namespace frankierung {

class PictureBox;

struct ControlHint {
    enum class Trigger { Move, Click };
    QWidget* control;  // for the log: its viewport, which receives the mouse
    QString text;      // empty: the line is cleared
    Trigger trigger = Trigger::Move;
};

// The control a mouse target belongs to: for a viewport its scroll area, which takes the focus
// and which screen readers see.
[[nodiscard]] QWidget* controlOf(QWidget* mouseTarget);

// The hint texts of the window's controls, found below window by their names: the one table
// the hint line and the screen readers' descriptions are made from.
[[nodiscard]] std::vector<ControlHint> controlHints(const QWidget& window);

class HintLine final : public QObject {
    Q_OBJECT
public:
    HintLine(PictureBox* container, QObject* parent);

    void show(const QString& text);
    // Writes each control's hint from the table while the mouse is over it, and when the
    // keyboard moves the focus onto it. Every control it knows keeps its moves to itself, so a
    // container's hint never replaces the hint of a control lying on it; the controls without a
    // hint keep theirs off their container too.
    void watch(const QWidget& window);
    void arrange(const Arrangement& a);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PictureBox* container_;
    QTextEdit* line_;
    QHash<const QObject*, QString> moveHints_;
    QHash<const QObject*, QString> clickHints_;
    QHash<const QObject*, QString> focusHints_;
    const QObject* pressed_ = nullptr;
};

}  // namespace frankierung
