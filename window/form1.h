// The one window of the program: its controls as designed, and their arrangement to the
// window's size.
#pragma once

#include <QMainWindow>
#include <QRect>
#include <array>

#include "arrangement.h"
#include "controls.h"
#include "hintline.h"
#include "picturebox.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QScrollBar;

namespace frankierung {

class ChartBoard;
class LogColumn;
class PairPanels;
class RunController;
class StampInputs;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The load handler: runs once, before the window is first shown.
    void Form_Load();
    // Fits the content to the window's current size. Runs again on every resize.
    void arrangeForm();
    [[nodiscard]] bool isArranged() const { return arranged_; }

    // --- Commands and menus ---
    // A run asked for while a run is processing events is remembered, not nested: one fresh
    // run follows when the current one ends.
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

    // Controls, named as in the design; arrays by index.
    PictureBox* picContainer = nullptr;
    PictureBox* picLegende = nullptr;

    CommandButton* cmdZeigen = nullptr;
    CommandButton* cmdCls = nullptr;

    QGroupBox* frmABC = nullptr;
    ImageBox* Image1 = nullptr;

    QAction* cmdEnde = nullptr;
    QMenu* cmdClean = nullptr;
    QAction* cmdAlles = nullptr;
    QAction* cmdZeichnen = nullptr;
    QAction* cmdInfo = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildDesign();
    void buildMenus();
    void buildTabOrder();
    void stackControls();
    void applyArrangement(const Arrangement& a);
    // The control of that object name; there is exactly one.
    [[nodiscard]] QWidget* control(const QString& name) const;

    // Each group of handlers wires its own signals and event filters.
    void connectCommands();
    void connectStampInput();
    void connectPairPanels();
    void connectChart();

    bool arranged_ = false;
    HintLine* hint_ = nullptr;
    StampInputs* stamps_ = nullptr;
    PairPanels* pairs_ = nullptr;
    LogColumn* column_ = nullptr;
    ChartBoard* board_ = nullptr;
    RunController* run_ = nullptr;
};

// The screen's area that a window may cover (without panels), in logical pixels.
[[nodiscard]] QRect availableScreenArea();
// Covers that area with the window and shows it, maximized where a window manager exists.
void showCoveringScreen(Form1& form);

}  // namespace frankierung
