#include "stampinputs.h"

#include <QLabel>
#include <cmath>

#include "appstart.h"
#include "design.h"
#include "numbertext.h"

namespace frankierung {

namespace {

// A step that is lost (the value too large for a whole step) or leads out of the finite
// numbers would write a text that says nothing new, or "inf".
bool stepTakes(double from, double to) {
    return std::isfinite(to) && to != from;
}

QString tooLargeMessage(int index, const QString& text, int by) {
    const QString name = stampName(index);
    const QString shown = QString::fromStdString(shortenedForMessage(text.trimmed().toStdString()));
    return by > 0 ? StampInputs::tr("%1: „%2“ ist zu groß zum Erhöhen.").arg(name, shown)
                  : StampInputs::tr("%1: „%2“ ist zu groß zum Verringern.").arg(name, shown);
}

}  // namespace

StampInputs::StampInputs(QWidget* frame, QObject* parent) : QObject(parent) {
    const QFont buttonFont = timesFont(9.75);
    const double tops[3] = {720, 1260, 1800};
    const double heights[3] = {405, 390, 390};
    const char* values[3] = {"6", "10", "15"};
    for (int i = 0; i < 3; ++i) {
        const QString name = stampName(i);
        const double top = tops[i];
        TextBox* box =
            makeTextBox(frame, {QString::fromLatin1(values[i]), timesFont(14.25, true), {}, {}});
        describe(box, indexed("txtMarke", i), tr("Markenwert %1").arg(name),
                 tr("Markenwert eingeben"));
        box->setGeometry(twipsRect(600, top, 675, heights[i]));
        box->setMaxLength(kMaxNumberTextLength);
        connect(box, &QLineEdit::textChanged, this, [this, i, box] {
            fitCaption(box);  // five digits and a blank in smaller type rather than cut
            emit changed(i);
        });
        boxes_.at(static_cast<std::size_t>(i)) = box;

        QPushButton* plus = makeButton(frame, QStringLiteral("+"), kPanelColor, &buttonFont);
        describe(plus, indexed("cmdMarkeplus", i), tr("Plus-Knopf für Markenwert %1").arg(name));
        plus->setGeometry(twipsRect(1320, top, 315, 225));
        connect(plus, &QPushButton::clicked, this, [this, i] { emit stepClicked(i, +1); });

        QPushButton* minus = makeButton(frame, QStringLiteral("-"), kPanelColor, &buttonFont);
        describe(minus, indexed("cmdMarkeMinus", i), tr("Minus-Knopf für Markenwert %1").arg(name));
        minus->setGeometry(twipsRect(1320, top + 240, 315, 225));
        connect(minus, &QPushButton::clicked, this, [this, i] { emit stepClicked(i, -1); });

        const QString caption = name + QLatin1Char('=');
        QLabel* label = makeLabel(frame, caption, timesFont(14.25), kLegendColor, Qt::AlignLeft);
        describe(label, indexed("Label1", i + 1), tr("Beschriftung %1").arg(caption));
        label->setGeometry(twipsRect(180, top + 60, 375, 375));
    }
}

QString StampInputs::text(int index) const {
    return boxes_.at(static_cast<std::size_t>(index))->text();
}

void StampInputs::setText(int index, const QString& text) {
    boxes_.at(static_cast<std::size_t>(index))->setText(text);
}

QString StampInputs::step(int index, int by) {
    const QString before = text(index);
    const double value = numericValue(before.toStdString());
    if (by < 0 && !(value > 1)) {
        return {};
    }
    const double next = value + by;
    if (!stepTakes(value, next)) {
        return tooLargeMessage(index, before, by);
    }
    setText(index, QString::fromStdString(signedNumberText(next)));
    return {};
}

}  // namespace frankierung
