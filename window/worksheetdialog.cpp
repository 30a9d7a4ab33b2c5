#include "worksheetdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "appstart.h"
#include "dialoghintline.h"
#include "picturecommands.h"
#include "sheetpreview.h"
#include "stampinputs.h"

namespace frankierung {

namespace {

// A PNG at twice the sheet's resolution prints about as sharp as a school printer does.
constexpr double kPngZoom = 2;
// Of the main window: the preview as high as it allows, beside the choices.
constexpr double kHeightShare = 0.9;
constexpr int kWidth = 900;

QSpinBox* amountBox(const char* name, int least, int most) {
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(least, most);
    return box;
}

}  // namespace

WorksheetDialog::WorksheetDialog(const StampInputs& stamps, QWidget* mainWindow)
    : QDialog(mainWindow), stamps_(stamps) {
    setObjectName(QStringLiteral("frmArbeitsblatt"));
    setWindowTitle(tr("Arbeitsblatt"));
    buildControls();
    connectControls();
    soon_.setSingleShot(true);
    soon_.setInterval(0);
}

void WorksheetDialog::buildControls() {
    kind_ = new QComboBox;
    kind_->setObjectName(QStringLiteral("cboArt"));
    for (const SheetKind kind : kSheetKinds) {
        kind_->addItem(sheetKindCaption(kind), static_cast<int>(kind));
    }
    ownRange_ = new QCheckBox(tr("selbst wählen: von"));
    ownRange_->setObjectName(QStringLiteral("chkBereich"));
    from_ = amountBox("txtVon", 0, kSurveyEnd - 1);
    to_ = amountBox("txtBis", 1, kSurveyEnd);
    auto* range = new QHBoxLayout;
    range->addWidget(ownRange_);
    range->addWidget(from_);
    range->addWidget(new QLabel(tr("bis")));
    range->addWidget(to_);
    range->addStretch();
    nameLine_ = new QCheckBox(tr("Zeile für Name, Klasse und Datum"));
    nameLine_->setObjectName(QStringLiteral("chkNamenszeile"));
    nameLine_->setChecked(true);

    auto* choices = new QFormLayout;
    choices->addRow(tr("Art:"), kind_);
    choices->addRow(tr("Bereich:"), range);
    choices->addRow(QString(), nameLine_);

    pages_ = new QLabel;
    pages_->setObjectName(QStringLiteral("lblSeiten"));
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("lblMeldung"));
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    message_->hide();

    save_ = new QPushButton(tr("Speichern …"));
    save_->setObjectName(QStringLiteral("cmdSpeichern"));
    print_ = new QPushButton(tr("Drucken …"));
    print_->setObjectName(QStringLiteral("cmdDrucken"));
    close_ = new QPushButton(tr("Schließen"));
    close_->setObjectName(QStringLiteral("cmdSchliessen"));
    // Enter in a number box must not close the dialog.
    for (QPushButton* button : {save_, print_, close_}) {
        button->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(print_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* left = new QVBoxLayout;
    left->addLayout(choices);
    left->addWidget(message_);
    left->addWidget(pages_);
    left->addStretch();
    left->addLayout(buttons);

    preview_ = new SheetPreview;
    preview_->setObjectName(QStringLiteral("picVorschau"));
    preview_->setAccessibleName(tr("Vorschau des Arbeitsblatts"));
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(preview_, 1);

    hints_ = new DialogHintLine;
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(hints_);
    describeControls(*hints_);
}

void WorksheetDialog::describeControls(DialogHintLine& hints) {
    hints.add(kind_, tr("Das Diagramm, die Übung für die Klasse, ihre Lösung, die Erklärung mit "
                        "den Resten oder deren leere Fassung zum Ausfüllen"));
    hints.add(ownRange_, tr("Ohne Haken die Vorgabe: von 0 bis kurz nach der größten Lücke, "
                            "ohne größte Lücke bis %1")
                             .arg(kSurveyEnd));
    hints.add(from_, tr("Erster Betrag des Streifens, 0 bis %1").arg(kSurveyEnd - 1));
    hints.add(to_, tr("Letzter Betrag des Streifens, 1 bis %1").arg(kSurveyEnd));
    hints.add(nameLine_, tr("Die Zeile „Name: ___ Klasse: ___ Datum: ___“ unter dem Titel"));
    hints.add(preview_->viewport(), tr("So wird das Blatt gedruckt: jede Seite ganz, die Seiten "
                                       "untereinander"));
    hints.add(save_, tr("Als PDF (jede Seite A4), PNG oder SVG speichern"));
    hints.add(print_, tr("Auf einem Drucker ausgeben"));
    hints.add(close_, tr("Das Fenster schließen; beim nächsten Öffnen folgt es wieder den "
                         "Markenwerten"));
    preview_->setAccessibleDescription(preview_->viewport()->accessibleDescription());
}

void WorksheetDialog::connectControls() {
    connect(kind_, &QComboBox::currentIndexChanged, this, &WorksheetDialog::remake);
    connect(ownRange_, &QCheckBox::toggled, this, &WorksheetDialog::remake);
    for (QSpinBox* box : {from_, to_}) {
        connect(box, &QSpinBox::valueChanged, this, [this] {
            if (ownRange_->isChecked()) {
                remake();
            }
        });
    }
    connect(nameLine_, &QCheckBox::toggled, this, &WorksheetDialog::remake);
    connect(save_, &QPushButton::clicked, this, &WorksheetDialog::askAndSave);
    connect(print_, &QPushButton::clicked, this, &WorksheetDialog::askAndPrint);
    connect(close_, &QPushButton::clicked, this, &WorksheetDialog::close);
    connect(&stamps_, &StampInputs::changed, this, &WorksheetDialog::remakeSoon);
    connect(&soon_, &QTimer::timeout, this, &WorksheetDialog::remake);
}

void WorksheetDialog::bringToFront() {
    if (!isVisible() && parentWidget() != nullptr) {
        const QRect main = parentWidget()->geometry();
        resize(std::min(kWidth, main.width()), static_cast<int>(kHeightShare * main.height()));
    }
    show();
    raise();
    activateWindow();
}

void WorksheetDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Hidden, it did not follow the stamp boxes.
    remake();
}

void WorksheetDialog::remakeSoon() {
    if (isVisible()) {
        soon_.start();
    }
}

std::optional<WorksheetOptions> WorksheetDialog::options(QString& refusal) const {
    WorksheetOptions options;
    for (int k = 0; k < 3; ++k) {
        options.stamps.at(static_cast<std::size_t>(k)) = stamps_.text(k).toStdString();
    }
    options.kind = static_cast<SheetKind>(kind_->currentData().toInt());
    options.nameLine = nameLine_->isChecked();
    if (ownRange_->isChecked() && !isWhyKind(options.kind)) {
        if (from_->value() >= to_->value()) {
            refusal = tr("„von“ muss kleiner als „bis“ sein.");
            return std::nullopt;
        }
        options.range = {from_->value(), to_->value()};
    }
    return options;
}

void WorksheetDialog::remake() {
    soon_.stop();
    const bool why = isWhyKind(static_cast<SheetKind>(kind_->currentData().toInt()));
    ownRange_->setEnabled(!why);
    from_->setEnabled(!why && ownRange_->isChecked());
    to_->setEnabled(!why && ownRange_->isChecked());
    QString refusal;
    auto options = this->options(refusal);
    if (!options) {
        showSheet(nullptr, refusal);
        return;
    }
    auto sheet = std::make_shared<const Worksheet>(std::move(*options));
    if (const auto& stampRefusal = sheet->refusal()) {
        showSheet(nullptr, refusalText(*stampRefusal));
        return;
    }
    showSheet(std::move(sheet), {});
}

void WorksheetDialog::showSheet(std::shared_ptr<const Worksheet> sheet, const QString& refusal) {
    sheet_ = std::move(sheet);
    preview_->setSheet(sheet_);
    message_->setText(refusal);
    message_->setVisible(!refusal.isEmpty());
    save_->setEnabled(sheet_ != nullptr);
    print_->setEnabled(sheet_ != nullptr);
    if (!sheet_) {
        pages_->clear();
        return;
    }
    const std::size_t count = sheet_->pageCount();
    pages_->setText(count == 1 ? tr("1 Seite A4") : tr("%1 Seiten A4").arg(count));
    if (!ownRange_->isChecked() && !sheet_->strips().empty()) {
        // The default range, to start from when the teacher chooses one.
        const QSignalBlocker fromBlocked(from_);
        const QSignalBlocker toBlocked(to_);
        from_->setValue(sheet_->strips().front().first);
        to_->setValue(sheet_->strips().back().second);
    }
}

void WorksheetDialog::askAndSave() {
    if (!sheet_) {
        return;
    }
    const auto answer = askSaveFile(
        this, tr("Arbeitsblatt speichern"),
        tr("Arbeitsblatt") + u'-' + sheetKindName(sheet_->options().kind),
        {{tr("PDF-Dokument, jede Seite eine A4-Seite (*.pdf)"), PictureFormat::Pdf, 0},
         {tr("PNG-Bild, alle Seiten untereinander in einem Bild (*.png)"), PictureFormat::Png, 0},
         {tr("SVG-Grafik, alle Seiten untereinander in einem Bild (*.svg)"), PictureFormat::Svg,
          0}});
    if (answer) {
        save(*answer);
    }
}

bool WorksheetDialog::save(const SaveAnswer& answer) {
    if (!sheet_) {
        return false;
    }
    if (answer.format != PictureFormat::Png) {
        return savePicture(this, *sheet_, answer, Pages::One);
    }
    const QSizeF size = sheet_->size();
    const double zoom = std::min({kPngZoom, kMostPngSide / size.height(),
                                  std::sqrt(kMostPngPixels / (size.width() * size.height()))});
    return savePicture(this, ZoomedPicture(*sheet_, zoom), answer, Pages::One);
}

void WorksheetDialog::askAndPrint() {
    if (sheet_) {
        printWithDialog(this, *sheet_, Pages::One);
    }
}

}  // namespace frankierung
