// The right column: the amount to represent under its caption "N =", the buttons that show its
// representations and clear the log, and the log the representations are written to.
#pragma once

#include <QObject>
#include <QString>

#include "arrangement.h"
#include "logentry.h"

class QPushButton;
class QTextEdit;

namespace frankierung {

class PictureBox;
class TextBox;

class LogColumn final : public QObject, public LogText {
    Q_OBJECT
public:
    LogColumn(PictureBox* container, QObject* parent);

    [[nodiscard]] QString amount() const;
    void setAmount(const QString& text);
    void clearLog();  // one empty line remains
    // At the end, never by rewriting the whole text, and the newest entries kept in view; the
    // box keeps a CR LF as one line break.
    void append(std::string_view text) override;

    void arrange(const Arrangement& a);
    [[nodiscard]] int logLeft() const;  // in the container's pixels

private:
    PictureBox* container_;
    TextBox* caption_;
    TextBox* amount_;
    QTextEdit* log_;
    QPushButton* clear_;
    QPushButton* show_;
};

}  // namespace frankierung
