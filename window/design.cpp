#include "design.h"

#include <QApplication>
#include <QLabel>

namespace frankierung {

namespace {

void styleText(QWidget* box, const TextBoxDesign& d) {
    if (d.font) {
        box->setFont(*d.font);
    }
    if (d.background.isValid()) {
        setBackground(box, d.background);
    }
    if (d.foreground.isValid()) {
        setForeground(box, d.foreground);
    }
    box->setFocusPolicy(d.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace

QString indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(name).arg(i);
}

void describe(QWidget* w, const QString& name, const QString& accessible, const QString& tooltip) {
    w->setObjectName(name);
    w->setAccessibleName(accessible);
    if (!tooltip.isEmpty()) {
        w->setToolTip(tooltip);
        w->setAccessibleDescription(tooltip);
    }
}

void useDefaultFont(QWidget* w) {
    w->setFont(QApplication::font());
}

TextBox* makeTextBox(QWidget* parent, const TextBoxDesign& d) {
    auto* box = new TextBox(parent);
    box->setText(d.text);
    box->setFlat(d.flat);
    styleText(box, d);
    return box;
}

MultiLineTextBox* makeMultiLine(QWidget* parent, const TextBoxDesign& d, bool verticalBar) {
    auto* box = new MultiLineTextBox(parent);
    box->setPlainText(d.text);
    box->setFlat(d.flat);
    box->setVerticalScrollBarPolicy(verticalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    styleText(box, d);
    return box;
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QColor& face,
                        const QFont* font) {
    auto* button = new QPushButton(caption, parent);
    if (face.isValid()) {
        setBackground(button, face);
    }
    if (font != nullptr) {
        button->setFont(*font);
    }
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& caption, const QFont& font,
                  const QColor& background, Qt::Alignment alignment) {
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    label->setAlignment(alignment);
    setBackground(label, background);
    return label;
}

PictureBox* makePictureBox(QWidget* parent, const QColor& background, bool sunken) {
    auto* box = new PictureBox(parent);
    box->setBackgroundColor(background);
    box->setSunkenBorder(sunken);
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
}

}  // namespace frankierung
