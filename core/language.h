// The language the programs speak: English where the user interface's languages name English
// before German, German (the language of every source text) everywhere else.
#pragma once

#include <string>
#include <vector>

namespace frankierung {

enum class Language { German, English };

// The first of the languages ("en_GB", "de-AT", "fr") that is German or English decides.
[[nodiscard]] Language languageFor(const std::vector<std::string>& uiLanguages);

// The user interface's languages as command-line programs read them: the list in LANGUAGE, then
// the locale named by the first of LC_ALL, LC_MESSAGES and LANG that is set.
[[nodiscard]] std::vector<std::string> uiLanguagesFromEnvironment();

}  // namespace frankierung
