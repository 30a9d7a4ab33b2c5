#include "language.h"

#include <cstdlib>
#include <sstream>

namespace frankierung {

Language languageFor(const std::vector<std::string>& uiLanguages) {
    for (const std::string& name : uiLanguages) {
        if (name.starts_with("en")) {
            return Language::English;
        }
        if (name.starts_with("de")) {
            return Language::German;
        }
    }
    return Language::German;
}

std::vector<std::string> uiLanguagesFromEnvironment() {
    std::vector<std::string> languages;
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value != nullptr ? value : "");
    };
    std::istringstream list(variable("LANGUAGE"));
    for (std::string entry; std::getline(list, entry, ':');) {
        languages.push_back(entry);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const std::string locale = variable(name); !locale.empty()) {
            languages.push_back(locale);
            break;
        }
    }
    return languages;
}

}  // namespace frankierung
