#include "pairpanels.h"

#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>

#include "appstart.h"
#include "design.h"
#include "numbertext.h"
#include "pairinfo.h"
#include "pairs.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

// The stamp values of a pair, first and second, and the remaining one.
std::array<std::size_t, 3> valuesOf(int pair) {
    const auto k = static_cast<std::size_t>(pair);
    return {k, (k + 1) % 3, (k + 2) % 3};
}

QString nameOf(std::size_t value) {
    return stampName(static_cast<int>(value));
}

// With its sign's place: a blank before positive numbers.
QString number(double value) {
    return QString::fromStdString(signedNumberText(value));
}

qsizetype leadingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[n] == QLatin1Char(' ')) {
        ++n;
    }
    return n;
}

// "6-10" on one line in the panel's type, or smaller down to the smallest caption size; what is
// still too wide then ("32767-32767") takes two lines, broken after the "-". The two lines share
// the panel's height evenly between their digits, and each one's first digit starts at the left
// edge: a leading blank there has no ink and would only cost room.
void printLabel(PictureBox& panel, const QString& first, const QString& second) {
    Canvas& canvas = panel.canvas();
    canvas.clear();
    canvas.setPenColor(kWhite);
    const QRectF room = panel.innerRect();
    const QString oneLine = first + second;
    const QFont single = shrunkToFit(panel.font(), [&](const QFont& f) {
        return QFontMetricsF(f, &panel).horizontalAdvance(oneLine) <= room.width();
    });
    if (QFontMetricsF(single, &panel).horizontalAdvance(oneLine) <= room.width()) {
        canvas.setFontSize(single.pointSizeF());
        canvas.print(oneLine);
        return;
    }
    const auto inkWidth = [](const QFontMetricsF& m, const QString& line) {
        return m.horizontalAdvance(line.mid(leadingBlanks(line)));
    };
    const QFont twoLines = shrunkToFit(panel.font(), [&](const QFont& f) {
        const QFontMetricsF m(f, &panel);
        return std::max(inkWidth(m, first), inkWidth(m, second)) <= room.width() &&
               2 * m.capHeight() + 2 <= room.height();
    });
    const QFontMetricsF m(twoLines, &panel);
    canvas.setFontSize(twoLines.pointSizeF());
    // Above, between and below the digits: a third of what they leave each.
    const double margin = (room.height() - 2 * m.capHeight()) / 3;
    const auto printAt = [&](const QString& line, double baseline) {
        const double blanks = m.horizontalAdvance(line.left(leadingBlanks(line)));
        canvas.setPrintPosition(
            panel.scale().toUser({room.left() - blanks, baseline - m.ascent()}));
        canvas.print(line);
    };
    printAt(first, room.top() + margin + m.capHeight());
    printAt(second, room.bottom() - margin);
}

}  // namespace

PairPanels::PairPanels(QWidget* frame, const StampInputs& stamps, QObject* parent)
    : QObject(parent), stamps_(stamps) {
    struct Design {
        int label;
        double top;
        double labelWidth, labelHeight;
        QColor color;
    };
    const Design rows[3] = {{0, 3660, 375, 255, QColor(0, 0, 0)},
                            {4, 4080, 435, 375, QColor(0, 0, 192)},
                            {5, 4500, 435, 375, QColor(255, 0, 0)}};
    for (int k = 0; k < 3; ++k) {
        const Design& row = rows[k];
        const QString first = nameOf(valuesOf(k)[0]);
        const QString second = nameOf(valuesOf(k)[1]);
        const QString letters = first + second;
        const QString caption = QStringLiteral("%1, %2").arg(first, second);
        QLabel* label = makeLabel(frame, caption, timesFont(9.75), kLegendColor, Qt::AlignLeft);
        describe(label, indexed("Label1", row.label), tr("Beschriftung %1").arg(caption));
        label->setGeometry(twipsRect(120, row.top, row.labelWidth, row.labelHeight));

        PictureBox* panel = makePictureBox(frame, row.color, true);
        describe(panel, QStringLiteral("pic") + letters, tr("Paarfeld %1").arg(caption));
        panel->setCursor(Qt::ArrowCursor);
        panel->setGeometry(twipsRect(540, row.top, 555, 315));
        connect(panel, &PictureBox::mouseMoved, this, [this, k] { emit lineAsked(k); });
        panel->installEventFilter(this);
        panels_.at(static_cast<std::size_t>(k)) = panel;

        TextBox* bound = makeTextBox(frame, {{}, std::nullopt, kPanelColor, {}});
        describe(bound, QStringLiteral("Start") + letters,
                 tr("Grenze für das Paar %1").arg(caption), tr("stabil ab"));
        bound->setCursor(Qt::ArrowCursor);
        bound->setGeometry(twipsRect(1140, row.top, 495, 315));
        bounds_.at(static_cast<std::size_t>(k)) = bound;
    }

    QLabel* all =
        makeLabel(frame, QStringLiteral("A, B, C"), timesFont(12), kLegendColor, Qt::AlignLeft);
    describe(all, QStringLiteral("Label1(6)"),
             tr("Beschriftung %1").arg(QStringLiteral("A, B, C")));
    all->setGeometry(twipsRect(120, 5100, 915, 375));

    bounds_[3] = makeTextBox(frame, {{}, std::nullopt, kPanelColor, {}});
    describe(bounds_[3], QStringLiteral("StartABC"), tr("Grenze für alle drei Markenwerte"),
             tr("jede Zahl ab"));
    bounds_[3]->setGeometry(twipsRect(1140, 5100, 495, 315));
}

bool PairPanels::eventFilter(QObject* watched, QEvent* event) {
    const auto* panel = qobject_cast<const PictureBox*>(watched);
    if (const auto k = std::find(panels_.cbegin(), panels_.cend(), panel);
        k != panels_.cend() && focusedByKeyboard(event)) {
        emit lineAsked(static_cast<int>(k - panels_.cbegin()));
    }
    return false;
}

void PairPanels::clear() {
    for (PictureBox* panel : panels_) {
        panel->canvas().clear();
    }
}

QString PairPanels::line(int pair) const {
    const auto [first, second, third] = valuesOf(pair);
    const auto text = [this](std::size_t value) {
        return stamps_.text(static_cast<int>(value)).toStdString();
    };
    const std::string a = text(first), b = text(second), c = text(third);
    const std::string bound = bounds_.at(first)->text().toStdString();
    const PairLine line = pairInfoLine({a, b, c, bound});

    const QString boundLabel =
        QStringLiteral("S((%1%2),%3)").arg(nameOf(first), nameOf(second), nameOf(third));
    if (line.fault == PairLine::Fault::None && line.ggTAll > 1) {
        return tr("ggT =%1,  kgV =%2,  %3: keine Schranke (alle drei durch %4 teilbar)")
            .arg(number(static_cast<double>(line.ggT)), number(static_cast<double>(line.kgV)),
                 boundLabel, QString::number(line.ggTAll));
    }
    if (line.fault == PairLine::Fault::None) {
        return tr("ggT =%1,  kgV =%2,  %3 =%4")
            .arg(number(static_cast<double>(line.ggT)), number(static_cast<double>(line.kgV)),
                 boundLabel, number(line.bound));
    }
    if (line.fault == PairLine::Fault::BoundTooLarge) {
        return tr("%1 ist zu groß für eine Zahl.").arg(boundLabel);
    }
    if (line.box == PairBox::Bound) {
        return tr("Grenze %1 fehlt – bitte zuerst „zeigen“ klicken.")
            .arg(QStringLiteral("%1, %2").arg(nameOf(first), nameOf(second)));
    }
    const QString box = nameOf(valuesOf(pair).at(static_cast<std::size_t>(line.box)));
    const QString shown = QString::fromStdString(line.text);
    // Only the pair's own values must lie in the pair domain.
    if (line.box == PairBox::Third) {
        return line.fault == PairLine::Fault::Empty
                   ? tr("%1 ist leer.").arg(box)
                   : tr("%1: „%2“ ist keine Zahl.").arg(box, shown);
    }
    const QString largest = QString::number(kLargestStamp);
    switch (line.fault) {
        case PairLine::Fault::Empty:
            return tr("%1 ist leer – erlaubt sind ganze Zahlen von 0 bis %2.").arg(box, largest);
        case PairLine::Fault::NotANumber:
            return tr("%1: „%2“ ist keine Zahl – erlaubt sind ganze Zahlen von 0 bis %3.")
                .arg(box, shown, largest);
        case PairLine::Fault::NotWhole:
            return tr("%1: „%2“ ist keine ganze Zahl – erlaubt sind ganze Zahlen von 0 bis %3.")
                .arg(box, shown, largest);
        case PairLine::Fault::TooSmall:
            return tr("%1: „%2“ ist zu klein – erlaubt sind ganze Zahlen von 0 bis %3.")
                .arg(box, shown, largest);
        default:
            return tr("%1: „%2“ ist zu groß – erlaubt sind ganze Zahlen von 0 bis %3.")
                .arg(box, shown, largest);
    }
}

void PairPanels::pairRowsStarting() {
    for (int k = 0; k < 3; ++k) {
        printLabel(*panels_.at(static_cast<std::size_t>(k)), stamps_.text(k) + QLatin1Char('-'),
                   stamps_.text((k + 1) % 3));
    }
}

void PairPanels::pairRow(Row row, Amount, Amount, const std::string& boundText,
                         std::span<const Amount>) {
    bounds_.at(pairIndex(row))->setText(QString::fromStdString(boundText));
}

void PairPanels::tripleBound(const std::string& text) {
    bounds_[3]->setText(QString::fromStdString(text));
}

}  // namespace frankierung
