// A dialog's own hint line: it explains the control under the mouse, and the one the keyboard
// moved the focus to, as the main window's hint line does for its controls. Screen readers get
// the same hint as the control's description.
#pragma once

#include <QHash>
#include <QLabel>

namespace frankierung {

class DialogHintLine final : public QLabel {
    Q_OBJECT
public:
    explicit DialogHintLine(QWidget* parent = nullptr);

    void add(QWidget* control, const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<const QObject*, QString> hints_;
};

}  // namespace frankierung
