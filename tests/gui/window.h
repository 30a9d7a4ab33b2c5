// The window as a user first meets it, its controls found by their names, real input events,
// and what the chart has recorded.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <nlohmann/json.hpp>
#include <ostream>

#include "driver.h"
#include "mainwindow.h"
#include "picturebox.h"

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace frankierung::test {

// The suite runs in German but for the English run (CMakeLists.txt), which the InEnglish tests
// are for.
inline bool suiteInGerman() {
    return QLocale::system().uiLanguages().value(0).startsWith(QLatin1String("de"));
}

// The log text one run appends for the amount, as the driver writes it and the box keeps it.
inline QString logOfRun(std::string a, std::string b, std::string c, std::string amount) {
    const std::vector<std::string> args{"--json", "--", a, b, c, amount};
    const auto j = nlohmann::json::parse(runDriver(args).out);
    return QString::fromStdString(j.at("log").get<std::string>()).replace("\r\n", "\n");
}

// Answers every message box as soon as it is up, and keeps its title and text.
struct MessageAnswerer {
    MessageAnswerer() {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() + ": " + box->text();
                box->accept();
            }
        });
        poll.start(2);
    }
    QStringList seen;
    QTimer poll;
};

// Loaded at the given size and shown.
struct Window {
    explicit Window(QSize size = {1280, 1024}) : form(QRect(QPoint(0, 0), size)) {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    template <class T = QWidget>
    T* get(const QString& name) const {
        T* w = form.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    PictureBox* chart() const { return get<PictureBox>("picGraph"); }
    const std::vector<DrawingItem>& drawing(const QString& box = "picGraph") const {
        return get<PictureBox>(box)->drawing().items();
    }
    // What a control shows: its text or caption, or the texts printed in a picture box.
    QString text(const QString& name) const {
        QWidget* w = get(name);
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            return line->text();
        }
        if (auto* edit = qobject_cast<QTextEdit*>(w)) {
            return edit->toPlainText();
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            return label->text();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            return button->text();
        }
        QString printed;
        for (const DrawingItem& p : drawing(name)) {
            printed += p.text;
        }
        return printed;
    }
    QStringList texts(QStringList names) const {
        for (QString& name : names) {
            name = text(name);
        }
        return names;
    }
    void setText(const QString& name, const QString& text) const {
        get<QLineEdit>(name)->setText(text);
    }
    // The three stamp values typed, and the amount where one is given.
    void setValues(const QStringList& stamps, const QString& amount = {}) const {
        for (int i = 0; i < 3; ++i) {
            setText(QStringLiteral("txtMarke(%1)").arg(i), stamps.value(i));
        }
        if (!amount.isEmpty()) {
            setText(QStringLiteral("txtPrüf"), amount);
        }
    }
    // A button clicked with the mouse, or a menu item chosen.
    void click(const QString& name) const {
        if (auto* action = form.findChild<QAction*>(name)) {
            action->trigger();
        } else {
            QTest::mouseClick(get(name), Qt::LeftButton);
        }
    }
    // Where stamp i stands, and chart points and pixels, in the chart's units.
    QPointF stamp(int i) const {
        QWidget* s = get(QStringLiteral("Picture1(%1)").arg(i));
        return chart()->childRect(s).topLeft();
    }
    QPoint pixel(QPointF at) const { return chart()->scale().toPixels(at).toPoint(); }
    QPointF point(QPoint pixel) const { return chart()->scale().toUser(QPointF(pixel)); }
    // Coming from a neighbouring pixel: a move to where the pointer already stands is none.
    static void hover(QWidget* w, QPoint p) {
        QTest::mouseMove(w, p + QPoint(1, 0));
        QTest::mouseMove(w, p);
    }

    MainWindow form;
};

}  // namespace frankierung::test
