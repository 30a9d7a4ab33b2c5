// The one window of the program: it builds its parts into the designed frame, wires their
// signals to its named handlers, and fits the content to its size.
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

// The screen's area that a window may cover (without panels), in logical pixels.
[[nodiscard]] QRect availableScreenArea();

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window with that geometry and starts it (Form_Load), ready to be shown.
    explicit Form1(QRect geometry = availableScreenArea(), QWidget* parent = nullptr);
    ~Form1() override;

    // Fits the content to the window's current size. Runs again on every resize.
    void arrangeForm();

    // --- Commands and menus ---
    // A run asked for while a run is processing events is remembered, not nested: one fresh
    // run follows when the current one ends. "Programm beenden" drops it.
    void cmdZeigen_Click();
    void cmdCls_Click();
    void cmdLoeschen_Click();
    void cmdWie_Click();
    void cmdAlles_Click();
    void cmdZeichnen_Click();
    void cmdInfo_Click();
    void cmdEnde_Click();

    // --- Stamp value input ---
    void cmdMarkeplus_Click(int Index);
    void cmdMarkeMinus_Click(int Index);
    void txtMarke_Change(int Index);

    // --- Pair information panels ---
    void picAB_MouseMove();
    void picBC_MouseMove();
    void picCA_MouseMove();

    // --- Chart interaction (positions in chart units) ---
    void picGraph_MouseDown(float X, float Y);
    void picGraph_MouseMove(float X, float Y);
    void picGraph_MouseUp();
    void Picture1_MouseDown(int Index);
    void picGraph_DragOver(int sourceIndex, float X, float Y);
    void hscn_Change();
    void hscn_Scroll();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The load handler: arranges, draws the chart once, explains it and puts the stamps at their
    // values. Runs once, from the constructor.
    void Form_Load();

    void buildMenus();
    void buildFrame();
    void connectParts();
    void buildTabOrder();
    // The control of that object name; there is exactly one.
    [[nodiscard]] QWidget* control(const QString& name) const;
    void applyArrangement(const Arrangement& a);

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

    bool arranged_ = false;
};

// Covers availableScreenArea() with the window and shows it, maximized where a window manager
// exists.
void showCoveringScreen(Form1& form);

}  // namespace frankierung
