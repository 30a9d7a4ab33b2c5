#include "form1.h"

#include <QPushButton>

namespace frankierung {

void Form1::connectCommands() {
    connect(cmdZeigen, &QPushButton::clicked, this, [this] { cmdZeigen_Click(); });
}
void Form1::cmdCls_Click() {}
void Form1::cmdLoeschen_Click() {}
void Form1::cmdWie_Click() {}
void Form1::cmdAlles_Click() {}
void Form1::cmdZeichnen_Click() {}
void Form1::cmdInfo_Click() {}
void Form1::cmdEnde_Click() {}

}  // namespace frankierung
