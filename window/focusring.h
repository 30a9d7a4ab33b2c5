// The ring that shows which control has the keyboard focus, for the controls that show no sign
// of it themselves: the picture boxes (container, legend, chart, pair panels, stamps) and the
// scroll bar. As the style shows the focus of the others, it appears once the keyboard has moved
// the focus in the window.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace frankierung {

class FocusRing final : public QWidget {
    Q_OBJECT
public:
    // Follows the focus among the controls below window.
    explicit FocusRing(QWidget& window);

    // The part of control that is not covered by a sibling lying in front of it, in its own
    // pixels: the ring goes round what the user sees of it (of the chart, the strip between the
    // legend and the log).
    [[nodiscard]] static QRect shownPart(const QWidget& control);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);
    void fit();

    QWidget& window_;
    QPointer<QWidget> control_;
    QTimer fitLater_;  // many moves while the chart scrolls, one fit
};

}  // namespace frankierung
