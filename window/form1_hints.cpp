#include "form1.h"

namespace frankierung {

void Form1::connectHints() {}

}  // namespace frankierung
