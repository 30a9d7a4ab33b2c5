#include "form1.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSvgRenderer>

#include "accessibility.h"
#include "chartboard.h"
#include "design.h"
#include "logcolumn.h"

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

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    initPictures();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Frankierungsproblem mit 3 Marken:     N = xA + yB + zC"));
    setWindowIcon(makeWindowIcon());
    auto* area = new FormArea(this);
    area->setObjectName(QStringLiteral("Form1.client"));
    setCentralWidget(area);
    buildMenus();
    buildDesign();
    stackControls();
    buildTabOrder();
    connectCommands();
    connectStampInput();
    hint_->watch(*this);
    connectPairPanels();
    connectChart();
    describeForScreenReaders(*this);
    // The designed client area; the arrangement later fits the window to the screen.
    resize(twipsToPixels(4680), twipsToPixels(3195) + menuBar()->sizeHint().height());
}

Form1::~Form1() = default;

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
    picLegende->raise();

    picContainer->setGeometry(
        twipsRect(a.container.left, a.container.top, a.container.width, a.container.height));
    const UnitScale& cs = a.containerScale;
    picContainer->setScale(cs.left, cs.top, cs.width, cs.height);

    picContainer->placeChild(picLegende, a.legend.left, a.legend.top, a.legend.width,
                             a.legend.height);
    const UnitScale& ls = a.legendScale;
    picLegende->setScale(ls.left, ls.top, ls.width, ls.height);

    board_->arrange(a, !arranged_);
    picLegende->placeChildAt(frmABC, a.frame.left, a.frame.top);
    column_->arrange(a);
    picLegende->placeChildAt(Image1, a.image.left, a.image.top);
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
    // Without a window manager showMaximized() alone leaves the designed small window.
    form.setGeometry(availableScreenArea());
    form.showMaximized();
}

}  // namespace frankierung
