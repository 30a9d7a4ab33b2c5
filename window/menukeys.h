// The menu bar from the keyboard: Alt opens it (the style's own navigation), and F10 does the same
// as on other desktops; the arrow keys walk it, Esc or F10 again leaves it.
#pragma once

class QMainWindow;

namespace frankierung {

void openMenuBarWithF10(QMainWindow& window);

}  // namespace frankierung
