#include "controls.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <climits>
#include <cmath>

namespace frankierung {

int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect twipsRect(double left, double top, double width, double height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return {x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y};
}

namespace {

// The colour role a kind of control paints with: text boxes their base, buttons their face,
// anything else its window.
QPalette::ColorRole roleFor(const QWidget* widget, QPalette::ColorRole textBox,
                            QPalette::ColorRole button, QPalette::ColorRole other) {
    if (qobject_cast<const QLineEdit*>(widget) != nullptr ||
        qobject_cast<const QTextEdit*>(widget) != nullptr) {
        return textBox;
    }
    if (qobject_cast<const QAbstractButton*>(widget) != nullptr) {
        return button;
    }
    return other;
}

void setRole(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::All, role, color);
    widget->setPalette(pal);
}

const char* const kDesignFont = "frankierungDesignFont";

// The room a control gives its caption, in pixels; a text box's lines wrap.
QSize captionRoom(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
            .size();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->hasFrame() ? 1 : 0;
        const QMargins m = edit->textMargins();
        // A line edit keeps two more pixels free at either side of its text.
        return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).size() -
               QSize(m.left() + m.right() + 4, m.top() + m.bottom());
    }
    if (qobject_cast<const QLabel*>(widget) != nullptr) {
        return {widget->contentsRect().width(), INT_MAX};  // the designed height, whatever it is
    }
    // At least one pixel of margin above and below a line of text.
    return {INT_MAX, widget->contentsRect().height() - 2};
}

QString captionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        return edit->text();
    }
    if (const auto* text = qobject_cast<const QTextEdit*>(widget)) {
        return text->toPlainText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    return {};
}

}  // namespace

void fitCaption(QWidget* control) {
    if (!control->property(kDesignFont).isValid()) {
        control->setProperty(kDesignFont, control->font());
    }
    const QSize room = captionRoom(control);
    const QString caption = captionOf(control);
    const QFont font =
        shrunkToFit(control->property(kDesignFont).value<QFont>(), [&](const QFont& f) {
            const QFontMetrics metrics(f);
            return metrics.horizontalAdvance(caption) <= room.width() &&
                   metrics.height() <= room.height();
        });
    if (font != control->font()) {
        control->setFont(font);
    }
    if (auto* text = qobject_cast<QTextEdit*>(control)) {
        // The document's usual margin of 4 where the line has room for it.
        const int spare = (control->contentsRect().height() - QFontMetrics(font).height()) / 2;
        text->document()->setDocumentMargin(std::clamp(spare, 1, 4));
    }
}

void setBackground(QWidget* widget, const QColor& color) {
    // Only the role that this kind fills: children inherit the palette, and a frame's colour
    // must not become the ground of the text boxes inside it.
    setRole(widget, roleFor(widget, QPalette::Base, QPalette::Button, QPalette::Window), color);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& color) {
    // A text box draws its flat border in the window text colour, which stays as it is.
    setRole(widget, roleFor(widget, QPalette::Text, QPalette::ButtonText, QPalette::WindowText),
            color);
}

bool focusedByKeyboard(const QEvent* event) {
    if (event->type() != QEvent::FocusIn) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

QCursor iconPointer() {
    constexpr int size = 32;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        const auto square = [&p](int inset) {
            const QRect r(inset, inset, size - 2 * inset, size - 2 * inset);
            p.setPen(QPen(Qt::white, 3));
            p.drawRect(r);
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(r);
        };
        square(6);
        square(13);
    }
    return QCursor(pixmap, size / 2, size / 2);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
}

void TextBox::setFlat(bool flat) {
    flat_ = flat;
    setFrame(!flat);
    // Without the frame the text would touch the line.
    setTextMargins(flat ? 1 : 0, flat ? 1 : 0, flat ? 1 : 0, flat ? 1 : 0);
    update();
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (flat_) {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    document()->setDefaultTextOption(option);
}

void MultiLineTextBox::setFlat(bool flat) {
    setFrameStyle(flat ? QFrame::Box | QFrame::Plain : QFrame::StyledPanel | QFrame::Sunken);
    setLineWidth(1);
}

ImageBox::ImageBox(QWidget* parent) : QLabel(parent) {}

void ImageBox::setSvg(const QString& resource, QSize logicalSize) {
    path_ = resource;
    size_ = logicalSize;
    render(std::max(devicePixelRatioF(), qApp->devicePixelRatio()));
}

void ImageBox::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    if (!path_.isEmpty() && !qFuzzyCompare(devicePixelRatioF(), renderedRatio_)) {
        render(devicePixelRatioF());
    }
}

void ImageBox::render(qreal ratio) {
    QSvgRenderer renderer(path_);
    QPixmap pixmap((QSizeF(size_) * ratio).toSize());
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        renderer.render(&p);
    }
    pixmap.setDevicePixelRatio(ratio);
    renderedRatio_ = ratio;
    setPixmap(pixmap);
}

}  // namespace frankierung
