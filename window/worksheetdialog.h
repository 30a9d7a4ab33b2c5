// "Arbeitsblatt …": a worksheet of the window's current stamp values, its kind, range and name
// line chosen, previewed page by page as it will print, saved as PDF, PNG or SVG or printed.
// Not modal: it follows the stamp boxes while the teacher tries values in the window, and the
// board stays usable beside it.
#pragma once

#include <QDialog>
#include <QTimer>
#include <memory>

#include "worksheet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace frankierung {

class DialogHintLine;
class SheetPreview;
class StampInputs;
struct SaveAnswer;

class WorksheetDialog final : public QDialog {
    Q_OBJECT
public:
    // The stamp boxes it reads as a run reads them, and follows.
    WorksheetDialog(const StampInputs& stamps, QWidget* mainWindow);

    // Shown, raised and active; the sheet made anew from the window's current values.
    void bringToFront();

    // The sheet the preview shows; none while the values are refused.
    [[nodiscard]] const Worksheet* sheet() const { return sheet_.get(); }
    // What "Speichern …" does once the file dialog has answered; false, said in a message, when
    // the file could not be written.
    bool save(const SaveAnswer& answer);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void describeControls(DialogHintLine& hints);
    void connectControls();
    void askAndSave();
    void askAndPrint();
    // The sheet made anew from the controls and the stamp boxes; on a stamp change only once the
    // events at hand are handled, as a dragged stamp changes its value at every step.
    void remake();
    void remakeSoon();
    // The options, or the message why the controls give none.
    [[nodiscard]] std::optional<WorksheetOptions> options(QString& refusal) const;
    void showSheet(std::shared_ptr<const Worksheet> sheet, const QString& refusal);

    const StampInputs& stamps_;
    std::shared_ptr<const Worksheet> sheet_;
    QTimer soon_;

    QComboBox* kind_ = nullptr;
    QCheckBox* ownRange_ = nullptr;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    QCheckBox* nameLine_ = nullptr;
    SheetPreview* preview_ = nullptr;
    QLabel* pages_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* close_ = nullptr;
    DialogHintLine* hints_ = nullptr;
};

}  // namespace frankierung
