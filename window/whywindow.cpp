#include "whywindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "remainderview.h"
#include "whysentences.h"
#include "whywording.h"

namespace frankierung {

namespace {

// Read from the back of a classroom: the sentences, and the verdict larger still.
constexpr double kProjectorPoints = 14;
constexpr double kVerdictPoints = 16;
// Wide enough for the picture beside the sentences, and where the screen allows it the chart's
// first amounts stay in view beside the window.
constexpr double kWidestShare = 0.9;
constexpr double kNarrowestShare = 0.6;
constexpr int kWidth = 880;
constexpr double kHeightShare = 0.9;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

WhyWindow::WhyWindow(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool),
      overview_(new QStackedWidget),
      picture_(new RemainderView),
      table_(new QTableView),
      model_(new RemainderModel(this)),
      argument_(new QTextBrowser),
      splitter_(new QSplitter),
      count_(new QLabel),
      verdict_(new QLabel) {
    setObjectName(QStringLiteral("frmWarum"));
    setWindowTitle(tr("Warum?"));
    QFont large = font();
    large.setPointSizeF(std::max(kProjectorPoints, large.pointSizeF()));
    setFont(large);

    picture_->setObjectName(QStringLiteral("picReste"));
    picture_->setAccessibleName(tr("Bild der Restklassen"));
    table_->setObjectName(QStringLiteral("tblReste"));
    table_->setAccessibleName(tr("Tabelle der Restklassen"));
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    // The columns share the width: fitting them to 32765 rows would cost more than the run.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    overview_->addWidget(picture_);
    overview_->addWidget(table_);

    argument_->setObjectName(QStringLiteral("txtWarum"));
    argument_->setAccessibleName(tr("Erklärung"));
    splitter_->addWidget(overview_);
    splitter_->addWidget(argument_);
    splitter_->setChildrenCollapsible(false);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] { splitByHand_ = true; });

    count_->setObjectName(QStringLiteral("lblLuecken"));
    verdict_->setObjectName(QStringLiteral("lblUrteil"));
    QFont bold = large;
    bold.setBold(true);
    bold.setPointSizeF(std::max(kVerdictPoints, large.pointSizeF()));
    verdict_->setFont(bold);
    for (QLabel* label : {count_, verdict_}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter_, 1);
    layout->addWidget(count_);
    layout->addWidget(verdict_);
}

void WhyWindow::follow(const std::array<Amount, 3>& values, const QString& amountText) {
    values_ = values;
    amountText_ = amountText;
    stale_ = true;
    if (isVisible()) {
        refresh();
    }
}

void WhyWindow::bringToFront() {
    if (!placed_ && parentWidget() != nullptr) {
        // At the right of the main window, where the chart shows the large amounts.
        const QRect main = parentWidget()->geometry();
        const double width = std::max(kNarrowestShare * main.width(),
                                      std::min(kWidestShare * main.width(), double{kWidth}));
        const QSize size(static_cast<int>(width), static_cast<int>(kHeightShare * main.height()));
        setGeometry(QRect(QPoint(main.right() - size.width(), main.top() + 10), size));
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void WhyWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        refresh();
    }
}

void WhyWindow::refresh() {
    stale_ = false;
    const WhyWording wording = windowWhyWording();
    // A run with the same values changes at most the verdict; the rest need not be laid out and
    // painted again.
    if (classes_ && classes_->values() == values_) {
        verdict_->setText(text(verdictSentence(*classes_, amountText_.toStdString(), wording)));
        return;
    }
    model_->setClasses(nullptr);
    classes_ = RemainderClasses::of(values_);
    if (!classes_) {
        return;  // a run never hands out values it refused
    }
    setWindowTitle(tr("Warum? – %1, %2, %3").arg(values_[0]).arg(values_[1]).arg(values_[2]));
    // A few columns stand beside the sentences, which then list the classes; more take the width.
    splitter_->setOrientation(classes_->classes().size() <= kListedClasses ? Qt::Horizontal
                                                                           : Qt::Vertical);
    if (classes_->classes().size() <= RemainderPicture::kMostColumns) {
        RemainderPicture picture(*classes_, RemainderPicture::Variant::Teacher);
        split(picture.aspect());
        picture_->setPicture(std::move(picture));
        picture_->setAccessibleDescription(describedClasses());
        overview_->setCurrentWidget(picture_);
    } else {
        split(0);
        picture_->setPicture(std::nullopt);
        model_->setClasses(&*classes_);
        overview_->setCurrentWidget(table_);
    }
    QString paragraphs;
    for (const std::string& sentence : whyArgument(*classes_, wording)) {
        paragraphs +=
            QStringLiteral("<p>") + text(sentence).toHtmlEscaped() + QStringLiteral("</p>");
    }
    argument_->setHtml(paragraphs);
    count_->setText(text(gapCountSentence(*classes_, wording)));
    verdict_->setText(text(verdictSentence(*classes_, amountText_.toStdString(), wording)));
}

void WhyWindow::split(double aspect) {
    if (splitByHand_) {
        return;
    }
    if (splitter_->orientation() == Qt::Vertical) {
        splitter_->setSizes({1, 1});  // shares, which the splitter scales to its size
        return;
    }
    // Cells half again as wide as tall, between a third and a little over half of the width.
    const double width = splitter_->width();
    const auto share =
        static_cast<int>(std::clamp(1.5 * aspect * splitter_->height(), width / 3, 0.55 * width));
    splitter_->setSizes({share, splitter_->width() - share});
}

QString WhyWindow::describedClasses() const {
    const WhyWording wording = windowWhyWording();
    QStringList lines;
    for (const RemainderClass& c : classes_->classes()) {
        lines << text(classLine(c, classes_->values(), wording));
    }
    QString described = tr("Spalten nach dem Rest beim Teilen durch %1, mit dem kleinsten "
                           "frankierbaren Betrag: %2.")
                            .arg(classes_->smallestValue())
                            .arg(lines.join(QStringLiteral("; ")));
    if (const auto gap = classes_->largestGap()) {
        described += QLatin1Char(' ') + tr("Größte Lücke: %1.").arg(*gap);
    }
    return described;
}

}  // namespace frankierung
