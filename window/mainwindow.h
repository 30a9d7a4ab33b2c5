// The one window of the program: it builds its parts into the designed frame, wires the controls
// to its commands, and fits the content to its size.
#pragma once

#include <QMainWindow>
#include <QRect>

#include "arrangement.h"

namespace frankierung {

class ChartBoard;
class HintLine;
class LogColumn;
class PairPanels;
class PictureBox;
class RunController;
class StampInputs;
class WhyWindow;
class WorksheetDialog;

// The screen's area that a window may cover (without panels), in logical pixels.
[[nodiscard]] QRect availableScreenArea();

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window with that geometry and starts it: arranged, the chart drawn once and
    // explained, the stamps at their values; ready to be shown.
    explicit MainWindow(QRect geometry = availableScreenArea(), QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    // The commands; connectParts() says which control runs which. A run asked for while a run
    // is processing events is remembered, not nested: one fresh run follows when the current
    // one ends. quit() drops it.
    void showChart();
    void clearChartAndLog();
    void clearLog();
    void listRepresentations();
    void wipeBoard();
    void redrawWithoutNotes();
    void showAuthors();
    void quit();
    // The latest note stroke taken back, or the latest taken back brought back.
    void takeBackNote();
    void bringBackNote();
    // The board as a PNG or PDF, whole or the part in view, or printed as in view.
    void saveBoard();
    void printBoard();
    // "Warum?": the explanation of the last run, in a window of its own, brought to the front.
    void explainWhy();
    // "Arbeitsblatt …": the worksheet dialog of the current values, brought to the front.
    void openWorksheet();

    // by is +1 or -1.
    void stepStampValue(int stamp, int by);
    // A stamp value's text changed, by typing or from code.
    void followStampValue(int stamp);
    void showPairLine(int pair);

    // The mouse on the chart, in chart units.
    void pickAmountAndStartNote(float x, float y);
    void showAmountAndContinueNote(float x, float y);
    void endNote();
    void setStampValueByDrag(int stamp, float x, float y);

private:
    void startUp();
    // Fits the content to the window's current size. Runs again on every resize.
    void arrangeContent();
    void applyArrangement(const Arrangement& a);

    void buildMenus();
    // "Datei": saving and printing the board, then the worksheet; "Bearbeiten": taking notes back
    // and bringing them back, enabled while there is something to do.
    void addBoardCommands();
    // "mnuDatei", "mnuBearbeiten", "mnuAnsicht": where the parts put their further commands.
    [[nodiscard]] QMenu* menu(const char* objectName) const;
    void buildFrame();
    void connectParts();
    void buildTabOrder();
    // The control of that object name; there is exactly one.
    template <class T = QWidget>
    [[nodiscard]] T* control(const QString& name) const;

    // The frame: the container, the legend on it, and on the legend the post horn and the
    // input frame, which holds the stamp inputs and the pair panels.
    PictureBox* container_ = nullptr;
    PictureBox* legend_ = nullptr;
    QWidget* postHorn_ = nullptr;
    QWidget* inputFrame_ = nullptr;

    ChartBoard* board_ = nullptr;
    HintLine* hint_ = nullptr;
    LogColumn* column_ = nullptr;
    StampInputs* stamps_ = nullptr;
    PairPanels* pairs_ = nullptr;
    RunController* run_ = nullptr;
    WhyWindow* why_ = nullptr;              // made when first asked for
    WorksheetDialog* worksheet_ = nullptr;  // made when first asked for

    bool arranged_ = false;
};

// Covers availableScreenArea() with the window and shows it, maximized where a window manager
// exists.
void showCoveringScreen(MainWindow& window);

}  // namespace frankierung
