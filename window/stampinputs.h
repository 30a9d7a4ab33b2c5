// The three stamp values as the user enters them: a box, a "+" and a "-" button and a caption
// ("A=") each.
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QWidget;

namespace frankierung {

class TextBox;

class StampInputs final : public QObject {
    Q_OBJECT
public:
    // Builds the controls in the input frame.
    StampInputs(QWidget* frame, QObject* parent);

    [[nodiscard]] QString text(int index) const;
    // Emits changed() at once when the text differs.
    void setText(int index, const QString& text);
    // Adds by (+1 or -1) to the value; "-" does nothing at one and below. A value too large to
    // change by one (or an overflow) keeps its text and returns the message why, else the
    // returned text is empty.
    QString step(int index, int by);

signals:
    // "+" (by +1) or "-" (by -1).
    void stepClicked(int index, int by);
    // For each keystroke that changes a text and inside setText; never for the same text.
    void changed(int index);

private:
    std::array<TextBox*, 3> boxes_{};
};

}  // namespace frankierung
