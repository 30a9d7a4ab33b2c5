// The program's own texts and Qt's in the language of the system's user interface.
#pragma once

namespace frankierung {

// English texts where QLocale::uiLanguages() names English before German; German texts, and
// Qt's own (context menus, standard buttons, file error reasons) in German, everywhere else.
// Call once the application object exists, before any text is made. False when a translation
// that the language needs is not installed.
bool installTranslations();

}  // namespace frankierung
