// The design's building blocks: its colours and fonts, and controls made with the names that
// code and screen readers know them by.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

#include "controls.h"
#include "palette.h"
#include "picturebox.h"

class QLabel;

namespace frankierung {

inline constexpr QColor kFormColor{192, 192, 192};  // the window's ground around the container
inline constexpr QColor kLegendColor{192, 192, 192};
inline constexpr QColor kPanelColor = palette::ground;
inline constexpr QColor kWhite{255, 255, 255};
inline constexpr QColor kHintColor{175, 0, 0};

// No number needs more; 10,000 characters froze the window inside the toolkit for seconds.
inline constexpr int kMaxNumberTextLength = 64;

// "txtMarke(2)": the name of an element of a control array.
[[nodiscard]] QString indexed(const char* name, int i);

// The object name for code, the accessible name for screen readers; a tooltip also describes.
void describe(QWidget* w, const QString& name, const QString& accessible,
              const QString& tooltip = {});

// The legend and the chart print in their own fonts; the controls on them use the window's font.
void useDefaultFont(QWidget* w);

struct TextBoxDesign {
    QString text;
    std::optional<QFont> font;  // none: the default font
    QColor background;          // invalid: the toolkit's default
    QColor foreground;          // invalid: the toolkit's default
    bool flat = false;
    bool tabStop = true;  // without, a click still puts the caret in
};

[[nodiscard]] TextBox* makeTextBox(QWidget* parent, const TextBoxDesign& d);
[[nodiscard]] MultiLineTextBox* makeMultiLine(QWidget* parent, const TextBoxDesign& d,
                                              bool verticalBar);
// An invalid face keeps the toolkit's; no font keeps the parent's.
[[nodiscard]] QPushButton* makeButton(QWidget* parent, const QString& caption, const QColor& face,
                                      const QFont* font = nullptr);
[[nodiscard]] QLabel* makeLabel(QWidget* parent, const QString& caption, const QFont& font,
                                const QColor& background, Qt::Alignment alignment);
// Takes the focus by Tab and by click.
[[nodiscard]] PictureBox* makePictureBox(QWidget* parent, const QColor& background, bool sunken);

}  // namespace frankierung
