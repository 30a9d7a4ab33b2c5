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

#include "chartrenderer.h"
#include "design.h"
#include "form1.h"
#include "logcolumn.h"
#include "pairpanels.h"
#include "stampinputs.h"

namespace frankierung {

namespace {}  // namespace

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

    picGraph = makePictureBox(picContainer, kPanelColor, false);
    describe(picGraph, QStringLiteral("picGraph"),
             QStringLiteral("Diagramm der darstellbaren Zahlen"));
    picGraph->setFont(chartFont());
    picGraph->setCursor(iconPointer());
    picGraph->setMouseTracking(true);
    picContainer->placeChild(picGraph, 3360, 120, 8955, 6435);

    // --- Right column, hint line, scroll bar ---
    hint_ = new HintLine(picContainer, this);

    column_ = new LogColumn(picContainer, this);

    hscn = new QScrollBar(Qt::Horizontal, picContainer);
    describe(hscn, QStringLiteral("hscn"), QStringLiteral("Bildlauf des Diagramms"));
    // 1534, not 1300: only then can the chart's right end be scrolled into view.
    hscn->setRange(0, 1534);
    hscn->setValue(0);
    hscn->setSingleStep(1);
    hscn->setPageStep(10);
    hscn->setFocusPolicy(Qt::StrongFocus);
    picContainer->placeChild(hscn, 45, 8640, 7335, 375);

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

    // --- Stamp pictures on the chart ---
    const double stampLefts[3] = {60, 1380, 2880};
    const double stampTops[3] = {60, 0, 120};
    const double valueLabelLefts[3] = {840, 900, 840};
    const double valueLabelWidths[3] = {435, 375, 435};
    const char* valueCaptions[3] = {"6c", "10c", "15c"};
    for (int i = 0; i < 3; ++i) {
        auto* stamp = makePictureBox(picGraph, kPanelColor, false);
        describe(stamp, indexed("Picture1", i),
                 QStringLiteral("Briefmarke für Markenwert ") +
                     QString::fromLatin1(kStampNames[static_cast<std::size_t>(i)]));
        useDefaultFont(stamp);
        stamp->setPicture(QStringLiteral(":/pictures/stamp%1.svg").arg(i), QSize(100, 132));
        stamp->setCursor(Qt::SizeAllCursor);
        stamp->setMouseTracking(true);
        stamp->resize(twipsToPixels(1515), twipsToPixels(2055));
        // Left and top in chart units; the stamp keeps its size in pixels whatever the scale.
        picGraph->placeChildAt(stamp, stampLefts[i], stampTops[i]);
        Picture1[i] = stamp;

        Label2[i] =
            makeLabel(stamp, QString::fromLatin1(valueCaptions[i]),
                      designFont(QStringLiteral("MS Sans Serif"), 9.75), kWhite, Qt::AlignCenter);
        describe(Label2[i], indexed("Label2", i),
                 QStringLiteral("Wert der Briefmarke ") +
                     QString::fromLatin1(kStampNames[static_cast<std::size_t>(i)]));
        stamp->placeChild(Label2[i], valueLabelLefts[i], 180, valueLabelWidths[i], 195);
    }

    txtRechnung =
        makeMultiLine(Picture1[2],
                      {QStringLiteral("Geduld bitte, Rechnu\nng läuft\n"), timesFont(14.25, true),
                       QColor(255, 0, 0), QColor(255, 255, 0), true, true},
                      false);
    describe(txtRechnung, QStringLiteral("txtRechnung"), QStringLiteral("Rechenhinweis"));
    Picture1[2]->placeChild(txtRechnung, 120, 120, 1275, 1755);
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
