// Saving and printing a picture as a teacher does it: a file dialog with the kinds of file to
// choose from, the print dialog, and a message when either fails. Below the dialogs, the printing
// itself.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "picturewriter.h"

class QPrinter;
class QWidget;

namespace frankierung {

// One kind of file in the file dialog: its line ("PNG-Bild, ganze Tafel (*.png)"), its format
// and what the caller makes of it.
struct SaveChoice {
    QString filter;
    PictureFormat format = PictureFormat::Png;
    int variant = 0;
};

struct SaveAnswer {
    QString path;
    PictureFormat format = PictureFormat::Png;
    int variant = 0;
};

// Asks where to save, starting with the first choice; nothing when cancelled. A file name that
// ends in a known format's suffix keeps it; otherwise the chosen line's suffix is added.
[[nodiscard]] std::optional<SaveAnswer> askSaveFile(QWidget* parent, const QString& title,
                                                    const QString& name,
                                                    const std::vector<SaveChoice>& choices);

// Writes the picture all or nothing; says why not in a message box. The waiting shows.
bool savePicture(QWidget* parent, const Picture& picture, const SaveAnswer& answer, Pages pages);

// Onto the printer as set up; its resolution becomes the picture's. False when it failed.
[[nodiscard]] bool printPicture(const Picture& picture, QPrinter& printer, Pages pages);

// The print dialog, turned to the picture's shape, then the printing; a failure in a message.
void printWithDialog(QWidget* parent, const Picture& picture, Pages pages);

}  // namespace frankierung
