#include "form1.h"

namespace frankierung {

void Form1::connectChart() {}
void Form1::picGraph_MouseDown(float, float) {}
void Form1::picGraph_MouseMove(float, float) {}
void Form1::picGraph_MouseUp() {}
void Form1::Picture1_MouseDown(int) {}
void Form1::picGraph_DragOver(int, float, float) {}
void Form1::hscn_Change() {}
void Form1::hscn_Scroll() {}

}  // namespace frankierung
