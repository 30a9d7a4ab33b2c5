#include "picturecommands.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace frankierung {

namespace {

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PictureCommands)
};

QString suffixOf(PictureFormat format) {
    switch (format) {
        case PictureFormat::Png:
            return QStringLiteral("png");
        case PictureFormat::Svg:
            return QStringLiteral("svg");
        case PictureFormat::Pdf:
            break;
    }
    return QStringLiteral("pdf");
}

// Where the last file went, for the next dialog.
QString& lastDirectory() {
    static QString directory = QDir::homePath();
    return directory;
}

void tell(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("outputMessage"));
    box.exec();
}

// The waiting cursor while a large picture is painted.
struct Waiting {
    Waiting() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Waiting() { QApplication::restoreOverrideCursor(); }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;
};

}  // namespace

std::optional<SaveAnswer> askSaveFile(QWidget* parent, const QString& title, const QString& name,
                                      const std::vector<SaveChoice>& choices) {
    if (choices.empty()) {
        return std::nullopt;
    }
    QFileDialog dialog(parent, title, lastDirectory());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const SaveChoice& c : choices) {
        filters << c.filter;
    }
    dialog.setNameFilters(filters);
    const auto choiceOf = [&](const QString& filter) {
        const auto it = std::find_if(choices.begin(), choices.end(),
                                     [&](const SaveChoice& c) { return c.filter == filter; });
        return it != choices.end() ? *it : choices.front();
    };
    dialog.setDefaultSuffix(suffixOf(choices.front().format));
    dialog.selectFile(name + u'.' + suffixOf(choices.front().format));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixOf(choiceOf(filter).format));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const SaveChoice choice = choiceOf(dialog.selectedNameFilter());
    SaveAnswer answer{dialog.selectedFiles().constFirst(), choice.format, choice.variant};
    const auto typed = pictureFormatFor(answer.path);
    if (typed && std::any_of(choices.begin(), choices.end(),
                             [&](const SaveChoice& c) { return c.format == *typed; })) {
        answer.format = *typed;
    } else {
        answer.path += u'.' + suffixOf(choice.format);
    }
    lastDirectory() = QFileInfo(answer.path).absolutePath();
    return answer;
}

bool savePicture(QWidget* parent, const Picture& picture, const SaveAnswer& answer, Pages pages) {
    std::optional<QString> error;
    {
        const Waiting waiting;
        error = writePicture(picture, QFile::encodeName(answer.path), answer.format, pages);
    }
    if (error) {
        tell(parent, Texts::tr("Nicht gespeichert"), *error);
        return false;
    }
    return true;
}

bool printPicture(const Picture& picture, QPrinter& printer, Pages pages) {
    printer.setResolution(picture.dpi());
    return paintPages(picture, printer, pages);
}

void printWithDialog(QWidget* parent, const Picture& picture, Pages pages) {
    QPrinter printer;
    const QSize size = picture.size();
    printer.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    bool printed = false;
    {
        const Waiting waiting;
        printed = printPicture(picture, printer, pages);
    }
    if (!printed) {
        tell(parent, Texts::tr("Nicht gedruckt"),
             Texts::tr("Der Drucker hat den Auftrag nicht angenommen."));
    }
}

}  // namespace frankierung
