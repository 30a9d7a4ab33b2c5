// The window's controls as designed: kinds, containers, positions in twips, texts, fonts,
// colours, pointers, stacking and tab order.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <initializer_list>

#include "chartboard.h"
#include "chartrenderer.h"
#include "design.h"
#include "form1.h"
#include "logcolumn.h"
#include "pairpanels.h"
#include "runcontroller.h"
#include "stampinputs.h"

namespace frankierung {

void Form1::buildDesign() {
    auto* area = centralWidget();

    // --- Main container, legend, chart ---
    picContainer = makePictureBox(area, kPanelColor, true);
    describe(picContainer, QStringLiteral("picContainer"), QStringLiteral("Hauptbereich"));
    picContainer->setGeometry(twipsRect(480, 360, 13395, 9195));

    picLegende = makePictureBox(picContainer, kLegendColor, false);
    describe(picLegende, QStringLiteral("picLegende"),
             QStringLiteral("Legende und Eingabebereich"));
    picLegende->setFont(timesFont(9.75));
    picContainer->placeChild(picLegende, 0, 0, 3150, 8655);

    board_ = new ChartBoard(picContainer, this, this);

    // --- Right column, hint line, scroll bar ---
    hint_ = new HintLine(picContainer, this);

    column_ = new LogColumn(picContainer, this);

    // --- Legend: post horn and the input frame ---
    Image1 = new ImageBox(picLegende);
    useDefaultFont(Image1);
    describe(Image1, QStringLiteral("Image1"), QStringLiteral("Posthorn"));
    Image1->setSvg(QStringLiteral(":/pictures/posthorn.svg"), QSize(124, 115));
    Image1->resize(twipsToPixels(1860), twipsToPixels(1725));
    picLegende->placeChildAt(Image1, 120, 120);

    frmABC = new QGroupBox(QStringLiteral("A,  B, C ..."), picLegende);
    describe(frmABC, QStringLiteral("frmABC"), QStringLiteral("Markenwerte und Grenzen"));
    setBackground(frmABC, kLegendColor);
    useDefaultFont(frmABC);
    frmABC->resize(twipsToPixels(1815), twipsToPixels(5655));
    picLegende->placeChildAt(frmABC, 180, 1740);

    cmdZeigen = makeButton(frmABC, QStringLiteral("zeigen"), kPanelColor);
    describe(cmdZeigen, QStringLiteral("cmdZeigen"),
             QStringLiteral("zeigen: Graphik aufbauen, Grenzen berechnen"));
    cmdZeigen->setGeometry(twipsRect(120, 360, 1515, 315));

    cmdCls = makeButton(frmABC, QStringLiteral("löschen"), kPanelColor);
    describe(cmdCls, QStringLiteral("cmdCls"), QStringLiteral("Graphik und Protokoll löschen"));
    cmdCls->setGeometry(twipsRect(120, 2340, 1515, 315));

    stamps_ = new StampInputs(frmABC, this);

    pairs_ = new PairPanels(frmABC, *stamps_, this);
    run_ = new RunController({.stamps = *stamps_,
                              .column = *column_,
                              .pairs = *pairs_,
                              .board = *board_,
                              .window = *this},
                             this);
}

void Form1::stackControls() {
    // Within each container the control named first lies in front.
    const char* const groups[] = {
        "txtPos cmdLoeschen cmdWie txtN txtPrüf txtLog hscn picLegende picGraph", "frmABC Image1",
        "StartBC StartABC StartCA StartAB cmdMarkeMinus(2) cmdMarkeplus(2) cmdMarkeMinus(1) "
        "cmdMarkeplus(1) cmdMarkeMinus(0) cmdMarkeplus(0) cmdCls picCA picBC picAB cmdZeigen "
        "txtMarke(0) txtMarke(1) txtMarke(2) Label1(6) Label1(5) Label1(4) Label1(0) Label1(3) "
        "Label1(2) Label1(1)",
        "Picture1(2) Picture1(1) Picture1(0)", "txtRechnung Label2(2)"};
    for (const char* group : groups) {
        const QStringList names = QString::fromUtf8(group).split(QLatin1Char(' '));
        for (auto it = names.crbegin(); it != names.crend(); ++it) {
            control(*it)->raise();
        }
    }
}

void Form1::buildMenus() {
    cmdEnde = menuBar()->addAction(QStringLiteral("Programm beenden"));
    cmdEnde->setObjectName(QStringLiteral("cmdEnde"));

    cmdClean = menuBar()->addMenu(QStringLiteral("Tafel wischen"));
    cmdClean->setObjectName(QStringLiteral("cmdClean"));
    cmdClean->menuAction()->setObjectName(QStringLiteral("cmdClean"));
    cmdAlles = cmdClean->addAction(QStringLiteral("Alles"));
    cmdAlles->setObjectName(QStringLiteral("cmdAlles"));
    cmdZeichnen = cmdClean->addAction(QStringLiteral("Notizen"));
    cmdZeichnen->setObjectName(QStringLiteral("cmdZeichnen"));

    cmdInfo = menuBar()->addAction(QStringLiteral("Information"));
    cmdInfo->setObjectName(QStringLiteral("cmdInfo"));
}

void Form1::buildTabOrder() {
    // Labels and the frame hold places in the designed order but never take the focus.
    const QStringList order =
        QStringLiteral(
            "picContainer hscn picGraph picLegende txtMarke(2) txtMarke(1) txtMarke(0) cmdZeigen "
            "picAB picBC picCA cmdCls Picture1(0) Picture1(1) Picture1(2) txtLog txtPrüf txtN "
            "cmdWie "
            "cmdMarkeplus(0) cmdMarkeMinus(0) cmdMarkeplus(1) cmdMarkeMinus(1) cmdMarkeplus(2) "
            "cmdMarkeMinus(2) txtRechnung StartAB StartCA StartABC StartBC cmdLoeschen txtPos")
            .split(QLatin1Char(' '));
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(control(order[i - 1]), control(order[i]));
    }
}

QWidget* Form1::control(const QString& name) const {
    auto* w = findChild<QWidget*>(name);
    if (w == nullptr) {
        qFatal("No control named %s", qUtf8Printable(name));
    }
    return w;
}

}  // namespace frankierung
