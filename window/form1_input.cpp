#include "form1.h"

namespace frankierung {

void Form1::connectStampInput() {}
void Form1::cmdMarkeplus_Click(int) {}
void Form1::cmdMarkeMinus_Click(int) {}
void Form1::txtMarke_Change(int) {}

}  // namespace frankierung
