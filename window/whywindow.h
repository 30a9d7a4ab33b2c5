// "Warum?": a window beside the main window that explains the largest gap of the last run: the
// remainder picture (or, for many remainders, a table), the argument in sentences, the number
// of gaps and the verdict on the amount of that run. Large type for a projector; a tool window
// of the main window, so that it stays above it, also in full screen.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "remainders.h"
#include "survey.h"

class QLabel;
class QSplitter;
class QStackedWidget;
class QTableView;
class QTextBrowser;

namespace frankierung {

class RemainderModel;
class RemainderView;

class WhyWindow final : public QWidget {
    Q_OBJECT
public:
    explicit WhyWindow(QWidget* mainWindow);

    // The stamp values a run used (each a whole number the run accepted) and the text of the
    // amount box at that run. Shown at once when the window is visible, else when it is shown.
    void follow(const std::array<Amount, 3>& values, const QString& amountText);
    // Shown, raised and active; placed over the main window's middle the first time.
    void bringToFront();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    // The room of picture and sentences: a picture of that width over height beside them gets
    // what shows it well, or above them half.
    void split(double aspect);
    // The classes as text for screen readers, which cannot read the picture.
    [[nodiscard]] QString describedClasses() const;

    std::array<Amount, 3> values_{};
    QString amountText_;
    bool stale_ = false;
    bool placed_ = false;
    bool splitByHand_ = false;  // else the picture's shape decides
    std::optional<RemainderClasses> classes_;

    QStackedWidget* overview_;
    RemainderView* picture_;
    QTableView* table_;
    RemainderModel* model_;
    QTextBrowser* argument_;
    QSplitter* splitter_;
    QLabel* count_;
    QLabel* verdict_;
};

}  // namespace frankierung
