#include "form1.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QSvgRenderer>

#include "accessibility.h"
#include "chartboard.h"
#include "design.h"
#include "hintline.h"
#include "logcolumn.h"
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

Form1::Form1(QRect geometry, QWidget* parent) : QMainWindow(parent) {
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
    buildTabOrder();
    connectParts();
    hint_->watch(*this);
    describeForScreenReaders(*this);
    // The load handler arranges to the window's size.
    setGeometry(geometry);
    Form_Load();
}

Form1::~Form1() = default;

void Form1::buildMenus() {
    const auto add = [this](auto* menu, const char* name, const QString& text,
                            void (Form1::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    add(menuBar(), "cmdEnde", tr("Programm beenden"), &Form1::cmdEnde_Click);
    QMenu* clean = menuBar()->addMenu(tr("Tafel wischen"));
    clean->setObjectName(QStringLiteral("cmdClean"));
    clean->menuAction()->setObjectName(QStringLiteral("cmdClean"));
    add(clean, "cmdAlles", tr("Alles"), &Form1::cmdAlles_Click);
    add(clean, "cmdZeichnen", tr("Notizen"), &Form1::cmdZeichnen_Click);
    add(menuBar(), "cmdInfo", tr("Information"), &Form1::cmdInfo_Click);
}

void Form1::buildFrame() {
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
    postHorn->resize(twipsToPixels(1860), twipsToPixels(1725));
    legend_->placeChildAt(postHorn, 120, 120);
    postHorn_ = postHorn;

    inputFrame_ = new QGroupBox(QStringLiteral("A,  B, C ..."), legend_);
    describe(inputFrame_, QStringLiteral("frmABC"), tr("Markenwerte und Grenzen"));
    setBackground(inputFrame_, kLegendColor);
    useDefaultFont(inputFrame_);
    inputFrame_->resize(twipsToPixels(1815), twipsToPixels(5655));
    legend_->placeChildAt(inputFrame_, 180, 1740);

    CommandButton* zeigen = makeButton(inputFrame_, tr("zeigen"), kPanelColor);
    describe(zeigen, QStringLiteral("cmdZeigen"),
             tr("zeigen: Graphik aufbauen, Grenzen berechnen"));
    zeigen->setGeometry(twipsRect(120, 360, 1515, 315));
    connect(zeigen, &QPushButton::clicked, this, &Form1::cmdZeigen_Click);

    CommandButton* cls = makeButton(inputFrame_, tr("löschen"), kPanelColor);
    describe(cls, QStringLiteral("cmdCls"), tr("Graphik und Protokoll löschen"));
    cls->setGeometry(twipsRect(120, 2340, 1515, 315));
    connect(cls, &QPushButton::clicked, this, &Form1::cmdCls_Click);

    stamps_ = new StampInputs(inputFrame_, this);
    pairs_ = new PairPanels(inputFrame_, *stamps_, this);
    run_ = new RunController({.stamps = *stamps_,
                              .column = *column_,
                              .pairs = *pairs_,
                              .board = *board_,
                              .window = *this},
                             this);
}

void Form1::buildTabOrder() {
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

QWidget* Form1::control(const QString& name) const {
    auto* w = findChild<QWidget*>(name);
    if (w == nullptr) {
        qFatal("No control named %s", qUtf8Printable(name));
    }
    return w;
}

void Form1::arrangeForm() {
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

void Form1::applyArrangement(const Arrangement& a) {
    legend_->raise();
    container_->setGeometry(
        twipsRect(a.container.left, a.container.top, a.container.width, a.container.height));
    const UnitScale& cs = a.containerScale;
    container_->setScale(cs.left, cs.top, cs.width, cs.height);
    container_->placeChild(legend_, a.legend.left, a.legend.top, a.legend.width, a.legend.height);
    const UnitScale& ls = a.legendScale;
    legend_->setScale(ls.left, ls.top, ls.width, ls.height);
    legend_->placeChildAt(inputFrame_, a.frame.left, a.frame.top);
    legend_->placeChildAt(postHorn_, a.image.left, a.image.top);
    board_->arrange(a, !arranged_);
    column_->arrange(a);
    hint_->arrange(a);
    arranged_ = true;
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (arranged_) {
        arrangeForm();
    }
}

QRect availableScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void showCoveringScreen(Form1& form) {
    // Without a window manager showMaximized() alone leaves the window as it was.
    form.setGeometry(availableScreenArea());
    form.showMaximized();
}

}  // namespace frankierung
