// The buttons that clear or fill the chart and the log, and the menu bar's commands.
#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "canvas.h"
#include "chartboard.h"
#include "form1.h"
#include "logcolumn.h"
#include "runcontroller.h"

namespace frankierung {

void Form1::connectCommands() {
    connect(cmdZeigen, &QPushButton::clicked, this, [this] { cmdZeigen_Click(); });
    connect(cmdCls, &QPushButton::clicked, this, [this] { cmdCls_Click(); });
    connect(column_, &LogColumn::clearClicked, this, &Form1::cmdLoeschen_Click);
    connect(column_, &LogColumn::showClicked, this, &Form1::cmdWie_Click);
    connect(cmdEnde, &QAction::triggered, this, [this] { cmdEnde_Click(); });
    connect(cmdAlles, &QAction::triggered, this, [this] { cmdAlles_Click(); });
    connect(cmdZeichnen, &QAction::triggered, this, [this] { cmdZeichnen_Click(); });
    connect(cmdInfo, &QAction::triggered, this, [this] { cmdInfo_Click(); });
}

void Form1::cmdZeigen_Click() {
    run_->run();
}

void Form1::cmdCls_Click() {
    board_->canvas().cls();
    column_->clearLog();
}

void Form1::cmdLoeschen_Click() {
    column_->clearLog();
}

void Form1::cmdWie_Click() {
    cmdZeigen_Click();
}

void Form1::cmdAlles_Click() {
    board_->canvas().cls();
}

void Form1::cmdZeichnen_Click() {
    // The run clears the chart before it draws; stamp values it refuses leave chart and notes.
    cmdZeigen_Click();
}

void Form1::cmdInfo_Click() {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Programmiert von"),
                    QStringLiteral("Orvandel\nKestrelhaus"), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("infoMessage"));
    box.exec();
}

void Form1::cmdEnde_Click() {
    // A run in progress finishes inside its event processing; a run it had deferred must not
    // follow.
    run_->dropPending();
    close();
    QCoreApplication::quit();
}

}  // namespace frankierung
