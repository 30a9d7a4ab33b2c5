#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "language.h"

namespace frankierung {

namespace {

bool install(const QString& file, const QString& directory) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, directory)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace

bool installTranslations() {
    std::vector<std::string> languages;
    for (const QString& name : QLocale::system().uiLanguages()) {
        languages.push_back(name.toStdString());
    }
    // German is the language of the source texts; Qt speaks English unless told otherwise.
    if (languageFor(languages) == Language::English) {
        return install(QStringLiteral("frankierung_en"), QStringLiteral(":/i18n"));
    }
    return install(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace frankierung
