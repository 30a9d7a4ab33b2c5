// The buttons that clear or fill the chart and the log, and the menu bar's commands.
#include <QAction>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "form1.h"

namespace frankierung {

void Form1::connectCommands() {
    connect(cmdZeigen, &QPushButton::clicked, this, [this] { cmdZeigen_Click(); });
    connect(cmdCls, &QPushButton::clicked, this, [this] { cmdCls_Click(); });
    connect(cmdLoeschen, &QPushButton::clicked, this, [this] { cmdLoeschen_Click(); });
    connect(cmdWie, &QPushButton::clicked, this, [this] { cmdWie_Click(); });
    connect(cmdEnde, &QAction::triggered, this, [this] { cmdEnde_Click(); });
    connect(cmdAlles, &QAction::triggered, this, [this] { cmdAlles_Click(); });
    connect(cmdZeichnen, &QAction::triggered, this, [this] { cmdZeichnen_Click(); });
    connect(cmdInfo, &QAction::triggered, this, [this] { cmdInfo_Click(); });
}

void Form1::cmdCls_Click() {
    picGraph->canvas().cls();
    // The box keeps a CR LF as one line break.
    txtLog->setPlainText(QStringLiteral("\n"));
}

void Form1::cmdLoeschen_Click() {
    txtLog->setPlainText(QStringLiteral("\n"));
}

void Form1::cmdWie_Click() {
    cmdZeigen_Click();
}

void Form1::cmdAlles_Click() {
    picGraph->canvas().cls();
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
    runPending_ = false;
    close();
    QCoreApplication::quit();
}

}  // namespace frankierung
