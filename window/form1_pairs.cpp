#include "form1.h"

namespace frankierung {

void Form1::connectPairPanels() {}
void Form1::picAB_MouseMove() {}
void Form1::picBC_MouseMove() {}
void Form1::picCA_MouseMove() {}

}  // namespace frankierung
