// The hint texts of the window's controls: what the hint line shows for each.
#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace frankierung {

class Form1;

struct ControlHint {
    enum class Trigger { Move, Click };
    QWidget* control;  // for the log: its viewport, which receives the mouse
    QString text;      // empty: the line is cleared
    Trigger trigger = Trigger::Move;
};

[[nodiscard]] std::vector<ControlHint> controlHints(const Form1& form);

}  // namespace frankierung
