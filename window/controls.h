// The small control kinds of the window: text boxes with centred text and an optional flat
// border, buttons whose face shows their background colour, and a crisp SVG image.
#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTextEdit>
#include <functional>

#include "fonts.h"
#include "userscale.h"

namespace frankierung {

[[nodiscard]] int twipsToPixels(double twips);
// Edges are rounded, not the width, so adjacent controls stay adjacent.
[[nodiscard]] QRect twipsRect(double left, double top, double width, double height);

// The ground of the control: its base for text boxes, the face for buttons, else its window.
void setBackground(QWidget* widget, const QColor& color);
// The text colour, by the same rule.
void setForeground(QWidget* widget, const QColor& color);

// Shrinks the font of a control whose caption does not fit it (a button, a text box, a line of
// text) just enough, in quarter points, never below kSmallestCaptionPoints; a caption that fits
// keeps the designed font. Call again whenever the control's size or caption changes.
void fitCaption(QWidget* control);

// A focus that came by the keyboard (Tab, Backtab, a shortcut), not by a click or the program.
[[nodiscard]] bool focusedByKeyboard(const QEvent* event);

// A small square inside a larger square, hotspot in the middle.
[[nodiscard]] QCursor iconPointer();

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    void setFlat(bool flat);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool flat_ = false;
};

// Plain text only; every paragraph centred, also those appended later.
class MultiLineTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);
    void setFlat(bool flat);
};

// Shows an SVG at a fixed logical size, rendered afresh for the screen's pixel ratio.
class ImageBox : public QLabel {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr);
    void setSvg(const QString& resource, QSize logicalSize);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void render(qreal ratio);
    QString path_;
    QSize size_;
    qreal renderedRatio_ = 0;
};

}  // namespace frankierung
