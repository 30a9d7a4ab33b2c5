// The hint line: moving over a control explains it; clicking a row label says what it is for.
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>

#include "form1.h"
#include "hints.h"

namespace frankierung {

namespace {

// Writes the hint of the control under the mouse. Every control it knows keeps its moves to
// itself, so a container's hint never replaces the hint of a control lying on it.
class HintWriter final : public QObject {
public:
    HintWriter(QTextEdit* line, QObject* parent) : QObject(parent), line_(line) {}

    void onMove(QWidget* w, const QString& text) {
        moveHints_.insert(w, text);
        watch(w);
    }
    void onClick(QWidget* w, const QString& text) {
        clickHints_.insert(w, text);
        watch(w);
    }
    // No hint of its own, and moves over it must not reach its container's hint either.
    static void keepMovesOff(QWidget* w) { w->setAttribute(Qt::WA_NoMousePropagation); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseMove:
                if (const auto it = moveHints_.constFind(watched); it != moveHints_.cend()) {
                    line_->setPlainText(*it);
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
                if (const auto it = clickHints_.constFind(watched);
                    click && it != clickHints_.cend()) {
                    line_->setPlainText(*it);
                }
                break;
            }
            default:
                break;
        }
        return false;  // the control still handles the event itself
    }

private:
    void watch(QWidget* w) {
        w->setMouseTracking(true);  // a hint is written without a button held
        keepMovesOff(w);
        w->removeEventFilter(this);  // once, even when it has both a move and a click hint
        w->installEventFilter(this);
    }

    QTextEdit* line_;
    QHash<const QObject*, QString> moveHints_;
    QHash<const QObject*, QString> clickHints_;
    const QObject* pressed_ = nullptr;
};

}  // namespace

std::vector<ControlHint> controlHints(const Form1& form) {
    using enum ControlHint::Trigger;
    std::vector<ControlHint> hints;
    const QString pairBound =
        QStringLiteral("Lückenlose Darstellung der Vielfachen des ggT dieser zwei Zahlen ab ...");
    for (std::size_t i = 0; i < 3; ++i) {
        hints.push_back({form.cmdMarkeMinus[i], QStringLiteral("Wert - 1")});
        hints.push_back({form.cmdMarkeplus[i], QStringLiteral("Wert + 1")});
        hints.push_back({form.txtMarke[i], QStringLiteral("Wert eingeben")});
        hints.push_back(
            {form.Picture1[i], i == 1 ? QStringLiteral("Pladdina") : QStringLiteral("Pladdo")});
    }
    hints.push_back({form.cmdZeigen, QStringLiteral("Graphik aufbauen, Grenzen berechnen")});
    hints.push_back(
        {form.cmdWie, QStringLiteral("Einige Darstellungen für N = xA + yB + zC anzeigen")});
    hints.push_back({form.txtPruef, QStringLiteral("Die darzustellende Zahl kann auch direkt hier "
                                                   "eingegeben werden.")});
    hints.push_back({form.txtLog->viewport(), QStringLiteral("Beispiele für Zahldarstellungen")});
    hints.push_back({form.StartAB, pairBound});
    hints.push_back({form.StartBC, pairBound});
    hints.push_back({form.StartCA, pairBound});
    hints.push_back(
        {form.StartABC,
         QStringLiteral("Jede Zahl ab ... ist mit den drei Markenwerten darstellbar.")});
    for (QLabel* label : form.Label1) {
        hints.push_back({label, QStringLiteral("Verwendete Markenwerte")});
        hints.push_back({label, QStringLiteral("Nur diese Markenwerte verwenden"), Click});
    }
    hints.push_back({form.Image1, QStringLiteral("Posthorn")});
    hints.push_back({form.picLegende, QStringLiteral("Eingabefeld")});
    hints.push_back({form.frmABC, QString()});
    return hints;
}

// The writer is owned by the window as its Qt parent, which the analyzer cannot see.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
void Form1::connectHints() {
    auto* hints = new HintWriter(txtPos, this);
    for (const ControlHint& h : controlHints(*this)) {
        if (h.trigger == ControlHint::Trigger::Click) {
            hints->onClick(h.control, h.text);
        } else {
            hints->onMove(h.control, h.text);
        }
    }
    for (QLabel* label : Label2) {
        HintWriter::keepMovesOff(label);
    }

    // The pair panels write their own lines; the rest have no hint at all.
    for (QWidget* w : {static_cast<QWidget*>(picAB), static_cast<QWidget*>(picBC),
                       static_cast<QWidget*>(picCA), static_cast<QWidget*>(cmdCls),
                       static_cast<QWidget*>(txtRechnung), txtRechnung->viewport()}) {
        HintWriter::keepMovesOff(w);
    }
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

}  // namespace frankierung
