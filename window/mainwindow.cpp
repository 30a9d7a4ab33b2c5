#include "mainwindow.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QSvgRenderer>

#include "accessibility.h"
#include "chartboard.h"
#include "design.h"
#include "focusring.h"
#include "fullscreen.h"
#include "hintline.h"
#include "logcolumn.h"
#include "menukeys.h"
#include "notehistory.h"
#include "pairpanels.h"
#include "runcontroller.h"
#include "stampinputs.h"

// The pictures live in a static library; without this their resource would be dropped at link.
static void initPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace frankierung {

namespace {

// The window's own ground around the container. Painted rather than set in the palette, which
// every control inside would inherit.
class FormArea : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter(this).fillRect(rect(), kFormColor);
    }
};

QPixmap renderSvg(const QString& path, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QSvgRenderer(path).render(&p);
    return pixmap;
}

QIcon makeWindowIcon() {
    QIcon icon;
    icon.addPixmap(renderSvg(QStringLiteral(":/pictures/icon16.svg"), 16));
    icon.addPixmap(renderSvg(QStringLiteral(":/pictures/icon.svg"), 32));
    icon.addPixmap(renderSvg(QStringLiteral(":/pictures/icon.svg"), 64));
    return icon;
}

}  // namespace

MainWindow::MainWindow(QRect geometry, QWidget* parent) : QMainWindow(parent) {
    initPictures();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Frankierungsproblem mit 3 Marken:     N = xA + yB + zC"));
    setWindowIcon(makeWindowIcon());
    auto* area = new FormArea(this);
    setCentralWidget(area);
    buildMenus();
    // Built back to front: where controls overlap (the legend over the scrolled chart, a later
    // stamp over an earlier one, the patience box over the stamp's value), the later one lies in
    // front.
    buildFrame();
    addBoardCommands();
    buildTabOrder();
    connectParts();
    new FullScreenMode(*this, *menu("mnuAnsicht"));
    openMenuBarWithF10(*this);
    new FocusRing(*this);
    for (QMenu* added : {menu("mnuDatei"), menu("mnuBearbeiten"), menu("mnuAnsicht")}) {
        added->menuAction()->setVisible(!added->isEmpty());
    }
    hint_->watch(*this);
    describeForScreenReaders(*this);
    // Start-up arranges to the window's size.
    setGeometry(geometry);
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    const auto add = [](auto* menu, const char* name, const QString& text) {
        menu->addAction(text)->setObjectName(QString::fromLatin1(name));
    };
    add(menuBar(), "cmdEnde", tr("Programm beenden"));
    QMenu* clean = menuBar()->addMenu(tr("Tafel wischen"));
    clean->setObjectName(QStringLiteral("cmdClean"));
    clean->menuAction()->setObjectName(QStringLiteral("cmdClean"));
    add(clean, "cmdAlles", tr("Alles"));
    add(clean, "cmdZeichnen", tr("Notizen"));
    add(menuBar(), "cmdInfo", tr("Information"));
    // The commands that go beyond the designed ones, after them; a menu shows once it has any.
    for (const auto& [name, title] : {std::pair("mnuDatei", tr("Datei")),
                                      {"mnuBearbeiten", tr("Bearbeiten")},
                                      {"mnuAnsicht", tr("Ansicht")}}) {
        menuBar()->addMenu(title)->setObjectName(QString::fromLatin1(name));
    }
    QAction* why = menu("mnuAnsicht")->addAction(tr("Warum?"));
    why->setObjectName(QStringLiteral("cmdWarum"));
    why->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
}

void MainWindow::addBoardCommands() {
    const auto add = [this](const char* menuName, const char* name, const QString& text,
                            const QList<QKeySequence>& keys) {
        QAction* action = menu(menuName)->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        return action;
    };
    add("mnuDatei", "cmdTafelSpeichern", tr("Tafel speichern …"),
        {QKeySequence(Qt::CTRL | Qt::Key_S)});
    add("mnuDatei", "cmdTafelDrucken", tr("Tafel drucken …"), {QKeySequence(Qt::CTRL | Qt::Key_P)});
    menu("mnuDatei")->addSeparator();
    add("mnuDatei", "cmdArbeitsblatt", tr("Arbeitsblatt …"), {QKeySequence(Qt::CTRL | Qt::Key_B)});
    QAction* takeBack = add("mnuBearbeiten", "cmdRueckgaengig", tr("Notiz zurücknehmen"),
                            {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction* bringBack =
        add("mnuBearbeiten", "cmdWiederherstellen", tr("Notiz wiederherstellen"),
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto enable = [this, takeBack, bringBack] {
        takeBack->setEnabled(board_->history().canTakeBack());
        bringBack->setEnabled(board_->history().canBringBack());
    };
    connect(&board_->history(), &NoteHistory::changed, this, enable);
    enable();
}

QMenu* MainWindow::menu(const char* objectName) const {
    return control<QMenu>(QString::fromLatin1(objectName));
}

void MainWindow::buildFrame() {
    container_ = makePictureBox(centralWidget(), kPanelColor, true);
    describe(container_, QStringLiteral("picContainer"), tr("Hauptbereich"));
    container_->setGeometry(twipsRect(480, 360, 13395, 9195));

    legend_ = makePictureBox(container_, kLegendColor, false);
    describe(legend_, QStringLiteral("picLegende"), tr("Legende und Eingabebereich"));
    legend_->setFont(timesFont(9.75));
    container_->placeChild(legend_, 0, 0, 3150, 8655);

    board_ = new ChartBoard(container_, this, this);
    hint_ = new HintLine(container_, this);
    column_ = new LogColumn(container_, this);

    auto* postHorn = new ImageBox(legend_);
    useDefaultFont(postHorn);
    describe(postHorn, QStringLiteral("Image1"), tr("Posthorn"));
    postHorn->setSvg(QStringLiteral(":/pictures/posthorn.svg"), QSize(124, 115));
    postHorn->resize(twipsToPixels(kPostHornWidth), twipsToPixels(1725));
    legend_->placeChildAt(postHorn, 120, 120);
    postHorn_ = postHorn;

    inputFrame_ = new QGroupBox(QStringLiteral("A,  B, C ..."), legend_);
    describe(inputFrame_, QStringLiteral("frmABC"), tr("Markenwerte und Grenzen"));
    setBackground(inputFrame_, kLegendColor);
    useDefaultFont(inputFrame_);
    inputFrame_->resize(twipsToPixels(kInputFrameWidth), twipsToPixels(5655));
    legend_->placeChildAt(inputFrame_, 180, 1740);

    QPushButton* showButton = makeButton(inputFrame_, tr("zeigen"), kPanelColor);
    describe(showButton, QStringLiteral("cmdZeigen"),
             tr("zeigen: Graphik aufbauen, Grenzen berechnen"));
    showButton->setGeometry(twipsRect(120, 360, 1515, 315));

    QPushButton* clearButton = makeButton(inputFrame_, tr("löschen"), kPanelColor);
    describe(clearButton, QStringLiteral("cmdCls"), tr("Graphik und Protokoll löschen"));
    clearButton->setGeometry(twipsRect(120, 2340, 1515, 315));

    stamps_ = new StampInputs(inputFrame_, this);
    pairs_ = new PairPanels(inputFrame_, *stamps_, this);
    run_ = new RunController({.stamps = *stamps_,
                              .column = *column_,
                              .pairs = *pairs_,
                              .board = *board_,
                              .window = *this},
                             this);
}

void MainWindow::buildTabOrder() {
    // Labels and the frame hold places in the designed order but never take the focus.
    const QStringList order =
        QStringLiteral(
            "picContainer hscn picGraph picLegende txtMarke(2) txtMarke(1) txtMarke(0) cmdZeigen "
            "picAB picBC picCA cmdCls Picture1(0) Picture1(1) Picture1(2) txtLog txtPrüf txtN "
            "cmdWie cmdMarkeplus(0) cmdMarkeMinus(0) cmdMarkeplus(1) cmdMarkeMinus(1) "
            "cmdMarkeplus(2) cmdMarkeMinus(2) txtRechnung StartAB StartCA StartABC StartBC "
            "cmdLoeschen txtPos")
            .split(QLatin1Char(' '));
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(control(order[i - 1]), control(order[i]));
    }
}

void MainWindow::connectParts() {
    // The commands, by the object names of the buttons and menu items that run them, and of the
    // boxes that run them on Enter.
    const std::pair<const char*, void (MainWindow::*)()> commands[] = {
        {"cmdZeigen", &MainWindow::showChart},
        {"cmdCls", &MainWindow::clearChartAndLog},
        {"cmdLoeschen", &MainWindow::clearLog},
        {"cmdWie", &MainWindow::listRepresentations},
        {"cmdAlles", &MainWindow::wipeBoard},
        {"cmdZeichnen", &MainWindow::redrawWithoutNotes},
        {"cmdInfo", &MainWindow::showAuthors},
        {"cmdEnde", &MainWindow::quit},
        {"cmdTafelSpeichern", &MainWindow::saveBoard},
        {"cmdTafelDrucken", &MainWindow::printBoard},
        {"cmdRueckgaengig", &MainWindow::takeBackNote},
        {"cmdWiederherstellen", &MainWindow::bringBackNote},
        {"cmdWarum", &MainWindow::explainWhy},
        {"cmdArbeitsblatt", &MainWindow::openWorksheet},
        {"txtMarke(0)", &MainWindow::showChart},
        {"txtMarke(1)", &MainWindow::showChart},
        {"txtMarke(2)", &MainWindow::showChart},
        {"txtPrüf", &MainWindow::listRepresentations},
    };
    for (const auto& [name, command] : commands) {
        const QString objectName = QString::fromUtf8(name);
        if (auto* action = findChild<QAction*>(objectName)) {
            connect(action, &QAction::triggered, this, command);
        } else if (auto* box = findChild<QLineEdit*>(objectName)) {
            connect(box, &QLineEdit::returnPressed, this, command);
        } else {
            connect(control<QAbstractButton>(objectName), &QAbstractButton::clicked, this, command);
        }
    }
    // The arrays and the boxes that report an index or a place.
    connect(stamps_, &StampInputs::stepClicked, this,  // cmdMarkeplus(i), cmdMarkeMinus(i)
            &MainWindow::stepStampValue);
    connect(stamps_, &StampInputs::changed, this, &MainWindow::followStampValue);  // txtMarke(i)
    connect(pairs_, &PairPanels::lineAsked, this,
            &MainWindow::showPairLine);  // picAB, picBC, picCA
    connect(board_, &ChartBoard::pressed, this, &MainWindow::pickAmountAndStartNote);  // picGraph
    connect(board_, &ChartBoard::moved, this, &MainWindow::showAmountAndContinueNote);
    connect(board_, &ChartBoard::released, this, &MainWindow::endNote);
    connect(board_, &ChartBoard::stampDraggedOver, this,  // Picture1(i) over picGraph
            &MainWindow::setStampValueByDrag);
}

template <class T>
T* MainWindow::control(const QString& name) const {
    auto* w = findChild<T*>(name);
    if (w == nullptr) {
        qFatal("No control named %s", qUtf8Printable(name));
    }
    return w;
}

void MainWindow::arrangeContent() {
    // Computed from the window itself: before the first show the main window's layout has not
    // yet sized the central widget.
    int menuHeight = 0;
    if (!menuBar()->isNativeMenuBar() && menuBar()->isVisibleTo(this)) {
        menuHeight = menuBar()->heightForWidth(width());
        if (menuHeight < 0) {
            menuHeight = menuBar()->sizeHint().height();
        }
    }
    const SizeTwips window{width() * kTwipsPerPixel, height() * kTwipsPerPixel};
    const SizeTwips client{width() * kTwipsPerPixel,
                           std::max(0, height() - menuHeight) * kTwipsPerPixel};
    applyArrangement(arrange(window, client));
}

void MainWindow::applyArrangement(const Arrangement& a) {
    legend_->raise();
    container_->setGeometry(
        twipsRect(a.container.left, a.container.top, a.container.width, a.container.height));
    const CoordinateSystem& cs = a.containerSystem;
    container_->setScale(cs.left, cs.top, cs.width, cs.height);
    container_->placeChild(legend_, a.legend.left, a.legend.top, a.legend.width, a.legend.height);
    const CoordinateSystem& ls = a.legendSystem;
    legend_->setScale(ls.left, ls.top, ls.width, ls.height);
    legend_->placeChildAt(inputFrame_, a.frame.left, a.frame.top);
    legend_->placeChildAt(postHorn_, a.image.left, a.image.top);
    board_->arrange(a, !arranged_);
    column_->arrange(a);
    hint_->arrange(a);
    arranged_ = true;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (arranged_) {
        arrangeContent();
    }
}

QRect availableScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void showCoveringScreen(MainWindow& window) {
    // Without a window manager showMaximized() alone leaves the window as it was.
    window.setGeometry(availableScreenArea());
    window.showMaximized();
}

}  // namespace frankierung
