#include "hintline.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QMouseEvent>

#include "design.h"

namespace frankierung {

namespace {

// A scroll area gets the mouse on its viewport.
QWidget* mouseTarget(QWidget* control) {
    auto* area = qobject_cast<QAbstractScrollArea*>(control);
    return area != nullptr ? area->viewport() : control;
}

void keepMovesOff(QWidget* w) {
    w->setAttribute(Qt::WA_NoMousePropagation);
}

}  // namespace

QWidget* controlOf(QWidget* mouseTarget) {
    auto* area = qobject_cast<QAbstractScrollArea*>(mouseTarget->parentWidget());
    return area != nullptr && area->viewport() == mouseTarget ? area : mouseTarget;
}

std::vector<ControlHint> controlHints(const QWidget& window) {
    using enum ControlHint::Trigger;
    std::vector<ControlHint> hints;
    const auto add = [&](const QString& name, const QString& text, ControlHint::Trigger trigger) {
        hints.push_back({mouseTarget(window.findChild<QWidget*>(name)), text, trigger});
    };
    for (int i = 0; i < 3; ++i) {
        add(indexed("cmdMarkeMinus", i), HintLine::tr("Wert - 1"), Move);
        add(indexed("cmdMarkeplus", i), HintLine::tr("Wert + 1"), Move);
        add(indexed("txtMarke", i), HintLine::tr("Wert eingeben"), Move);
        add(indexed("Picture1", i), i == 1 ? QStringLiteral("Pladdina") : QStringLiteral("Pladdo"),
            Move);
    }
    add(QStringLiteral("cmdZeigen"), HintLine::tr("Graphik aufbauen, Grenzen berechnen"), Move);
    add(QStringLiteral("cmdWie"),
        HintLine::tr("Einige Darstellungen für N = xA + yB + zC anzeigen"), Move);
    add(QStringLiteral("txtPrüf"),
        HintLine::tr("Die darzustellende Zahl kann auch direkt hier eingegeben werden."), Move);
    add(QStringLiteral("txtLog"), HintLine::tr("Beispiele für Zahldarstellungen"), Move);
    for (const char* bound : {"StartAB", "StartBC", "StartCA"}) {
        add(QString::fromLatin1(bound),
            HintLine::tr("Lückenlose Darstellung der Vielfachen des ggT dieser zwei Zahlen ab ..."),
            Move);
    }
    add(QStringLiteral("StartABC"),
        HintLine::tr("Jede Zahl ab ... ist mit den drei Markenwerten darstellbar."), Move);
    for (int i = 0; i < 7; ++i) {
        add(indexed("Label1", i), HintLine::tr("Verwendete Markenwerte"), Move);
        add(indexed("Label1", i), HintLine::tr("Nur diese Markenwerte verwenden"), Click);
    }
    add(QStringLiteral("Image1"), HintLine::tr("Posthorn"), Move);
    add(QStringLiteral("picLegende"), HintLine::tr("Eingabefeld"), Move);
    add(QStringLiteral("frmABC"), QString(), Move);
    return hints;
}

HintLine::HintLine(PictureBox* container, QObject* parent)
    : QObject(parent),
      container_(container),
      line_(makeMultiLine(container,
                          {{},
                           designFont(QStringLiteral("Courier"), 12, true),
                           kPanelColor,
                           kHintColor,
                           true,
                           false},
                          false)) {
    describe(line_, QStringLiteral("txtPos"), tr("Hinweiszeile"));
    container->placeChild(line_, 2100, 8220, 5055, 375);
}

void HintLine::show(const QString& text) {
    line_->setPlainText(text);
}

void HintLine::watch(const QWidget& window) {
    for (const ControlHint& h : controlHints(window)) {
        (h.trigger == ControlHint::Trigger::Click ? clickHints_ : moveHints_)
            .insert(h.control, h.text);
        h.control->setMouseTracking(true);  // a hint is written without a button held
        keepMovesOff(h.control);
        h.control->removeEventFilter(this);  // once, even with both a move and a click hint
        h.control->installEventFilter(this);
        if (h.trigger == ControlHint::Trigger::Move) {
            QWidget* focused = controlOf(h.control);
            focusHints_.insert(focused, h.text);
            focused->removeEventFilter(this);
            focused->installEventFilter(this);
        }
    }
    // The pair panels write their own lines; the rest have no hint at all.
    for (const char* name : {"Label2(0)", "Label2(1)", "Label2(2)", "picAB", "picBC", "picCA",
                             "cmdCls", "txtRechnung"}) {
        keepMovesOff(mouseTarget(window.findChild<QWidget*>(QString::fromLatin1(name))));
    }
}

void HintLine::arrange(const Arrangement& a) {
    const UnitRect& r = a.hintLine;
    container_->placeChild(line_, r.left, r.top, r.width, r.height);
    // A small window gives the line less room than its caption.
    fitCaption(line_);
}

bool HintLine::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseMove:
            if (const auto it = moveHints_.constFind(watched); it != moveHints_.cend()) {
                show(*it);
            }
            break;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                pressed_ = watched;
            }
            break;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click =
                mouse->button() == Qt::LeftButton && pressed_ == watched &&
                static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton) {
                pressed_ = nullptr;
            }
            if (const auto it = clickHints_.constFind(watched); click && it != clickHints_.cend()) {
                show(*it);
            }
            break;
        }
        case QEvent::FocusIn:
            if (const auto it = focusHints_.constFind(watched);
                focusedByKeyboard(event) && it != focusHints_.cend()) {
                show(*it);
            }
            break;
        default:
            break;
    }
    return false;  // the control still handles the event itself
}

}  // namespace frankierung
