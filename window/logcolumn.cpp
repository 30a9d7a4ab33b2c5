#include "logcolumn.h"

#include <QScrollBar>
#include <QTextCursor>

#include "design.h"

namespace frankierung {

namespace {

const QColor kLight{240, 240, 240};

}  // namespace

LogColumn::LogColumn(PictureBox* container, QObject* parent)
    : QObject(parent), container_(container) {
    const QFont font = timesFont(12);
    caption_ = makeTextBox(container, {QStringLiteral("N ="), font, kWhite, {}, true, false});
    describe(caption_, QStringLiteral("txtN"), tr("Beschriftung N ="));
    container->placeChild(caption_, 10980, 0, 975, 435);

    amount_ = makeTextBox(container, {QStringLiteral("200"), font, kWhite, {}, true, false});
    describe(amount_, QStringLiteral("txtPrüf"), tr("darzustellende Zahl"),
             tr("darzustellende Zahl wählen"));
    amount_->setMaxLength(kMaxNumberTextLength);
    container->placeChild(amount_, 11700, 720, 1155, 435);

    log_ = makeMultiLine(container,
                         {QStringLiteral(".\n"), timesFont(9.75), kLight, {}, true, false}, true);
    describe(log_, QStringLiteral("txtLog"), tr("Protokoll der Darstellungen"));
    container->placeChild(log_, 11040, 1380, 2130, 7230);

    clear_ = makeButton(container, QStringLiteral("X"), kLight);
    describe(clear_, QStringLiteral("cmdLoeschen"), tr("Protokoll leeren"));
    container->placeChild(clear_, 9060, 0, 315, 375);

    show_ = makeButton(container, tr("Darstellung"), kLight);
    describe(show_, QStringLiteral("cmdWie"), tr("Darstellungen anzeigen"));
    container->placeChild(show_, 9420, 240, 915, 375);
}

QString LogColumn::amount() const {
    return amount_->text();
}

void LogColumn::setAmount(const QString& text) {
    amount_->setText(text);
}

void LogColumn::clearLog() {
    // The box keeps a CR LF as one line break.
    log_->setPlainText(QStringLiteral("\n"));
}

void LogColumn::append(std::string_view text) {
    QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(log_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(t);
    log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
}

void LogColumn::arrange(const Arrangement& a) {
    const auto place = [this](QWidget* w, const UnitRect& r) {
        container_->placeChild(w, r.left, r.top, r.width, r.height);
    };
    place(caption_, a.amountCaption);
    place(amount_, a.amount);
    place(show_, a.listButton);
    place(clear_, a.clearLogButton);
    place(log_, a.log);
    // A small window gives the column less room than its captions.
    for (QWidget* w : {static_cast<QWidget*>(caption_), static_cast<QWidget*>(show_),
                       static_cast<QWidget*>(clear_)}) {
        fitCaption(w);
    }
}

int LogColumn::logLeft() const {
    return log_->x();
}

}  // namespace frankierung
