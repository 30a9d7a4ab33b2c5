#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "appstart.h"
#include "picturewriter.h"
#include "sheetfile.h"
#include "worksheet.h"

namespace frankierung {

namespace {

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

const QString kProgram = QStringLiteral("frankierung-chart");
constexpr int kDefaultPngWidth = 1600;
constexpr int kMinPngWidth = 200;
constexpr int kMaxPngWidth = 20000;

ProgramOutcome refused(const QString& message) {
    return {1, {}, (message + u'\n' + helpPointer({kProgram})).toStdString()};
}

QString optionName(const QCommandLineOption& option) {
    const QString name = option.names().first();
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

struct Bounded {
    QCommandLineOption option;
    int min;
    int max;
    int value;
};

// The option's whole number within its bounds, or the message that refuses it: a number too
// large for any type is out of bounds, not no number.
std::optional<QString> readBounded(const QCommandLineParser& parser, Bounded& b) {
    if (!parser.isSet(b.option)) {
        return std::nullopt;
    }
    const QString text = parser.value(b.option);
    const std::string s = text.toStdString();
    long long n = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (s.empty() || end != s.data() + s.size() ||
        (error != std::errc() && error != std::errc::result_out_of_range)) {
        return Texts::tr("%1 erwartet eine ganze Zahl, nicht „%2“.")
            .arg(optionName(b.option), text);
    }
    if (error == std::errc::result_out_of_range || n < b.min || n > b.max) {
        return Texts::tr("%1 muss zwischen %2 und %3 liegen, nicht %4.")
            .arg(optionName(b.option))
            .arg(b.min)
            .arg(b.max)
            .arg(text);
    }
    b.value = static_cast<int>(n);
    return std::nullopt;
}

// The first option given more than once: the last one would win unnoticed.
std::optional<QString> repeated(const QCommandLineParser& parser,
                                const QList<QCommandLineOption>& options) {
    const QStringList given = parser.optionNames();
    for (const QCommandLineOption& option : options) {
        const auto times = std::count_if(given.begin(), given.end(), [&](const QString& name) {
            return option.names().contains(name);
        });
        if (times > 1) {
            return Texts::tr("%1 ist mehrmals angegeben; bitte nur einmal.")
                .arg(optionName(option));
        }
    }
    return std::nullopt;
}

QString description() {
    return Texts::tr(
        "Zeichnet ein Arbeitsblatt zu den Markenwerten A, B, C mit demselben Code wie das "
        "Fenster: A4 hoch, mit Titel, einer Zeile für Name, Klasse und Datum und der Aufgabe.\n"
        "Arten (--art): diagramm (das Diagramm), uebung (für die Klasse: die Zeilen der Paare "
        "und „alle“ leer), loesung (das Diagramm mit Grenzen, größter Lücke und allen Lücken), "
        "warum (das Bild der Reste mit der Erklärung), warum-leer (das Bild der Reste zum "
        "Ausfüllen).\n"
        "Ohne --from und --to: die Beträge ab 0 in Streifen zu 100, bis nach der größten Lücke "
        "eine Folge frankierbarer Beträge zu sehen ist, so lang wie der kleinste Wert; bei einem "
        "gemeinsamen Teiler der Werte bis 1000.\n"
        "PDF: eine A4-Seite für jede Seite des Blattes. PNG und SVG: ein Bild mit allen Seiten "
        "untereinander.\n"
        "Exit-Code 0: geschrieben; 1: falscher Aufruf oder nicht schreibbar; 2: Markenwerte "
        "abgelehnt.");
}

}  // namespace

ProgramOutcome runChartExport(std::span<const std::string> args) {
    QStringList list{kProgram};
    for (const std::string& a : args) {
        list << argumentText(a);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addPositionalArgument(
        QStringLiteral("A B C"),
        Texts::tr("die drei Markenwerte (Texte wie in den Eingabefeldern; -- davor, wenn "
                  "einer mit - beginnt)"));
    const QCommandLineOption output(
        QStringLiteral("o"),
        Texts::tr("Ausgabedatei; die Endung wählt das Format: .png, .svg oder .pdf"),
        Texts::tr("DATEI"));
    const QCommandLineOption kind(
        QStringLiteral("art"),
        Texts::tr("diagramm, uebung, loesung, warum oder warum-leer (Vorgabe diagramm)"),
        Texts::tr("ART"));
    Bounded from{
        {QStringLiteral("from"), Texts::tr("erster Betrag des Streifens, 0 bis 999 (Vorgabe 0)"),
         QStringLiteral("N")},
        0,
        kSurveyEnd - 1,
        0};
    Bounded to{
        {QStringLiteral("to"), Texts::tr("letzter Betrag des Streifens, 1 bis 1000 (Vorgabe 1000)"),
         QStringLiteral("M")},
        1,
        kSurveyEnd,
        kSurveyEnd};
    Bounded width{{QStringLiteral("width"),
                   Texts::tr("Breite einer Seite im PNG-Bild in Pixeln, 200 bis 20000 (Vorgabe "
                             "1600); SVG und PDF haben A4-Größe"),
                   QStringLiteral("PX")},
                  kMinPngWidth,
                  kMaxPngWidth,
                  kDefaultPngWidth};
    const QCommandLineOption noName(QStringLiteral("ohne-namenszeile"),
                                    Texts::tr("ohne die Zeile für Name, Klasse und Datum"));
    const QCommandLineOption grey(
        QStringLiteral("grau"),
        Texts::tr("die Zeilen auf grauem Grund wie im Fenster (Vorgabe: weiß, spart Tinte)"));
    const QList<QCommandLineOption> known{output,       kind,   from.option, to.option,
                                          width.option, noName, grey};
    parser.addOptions(known);
    if (auto answer = answerCommandLine(parser, list)) {
        return *answer;
    }
    if (const auto message = repeated(parser, known)) {
        return refused(*message);
    }
    for (Bounded* b : {&from, &to, &width}) {
        if (const auto message = readBounded(parser, *b)) {
            return refused(*message);
        }
    }
    const QString file = parser.value(output);
    const QStringList values = parser.positionalArguments();
    if (file.isEmpty()) {
        return refused(Texts::tr("Keine Ausgabedatei angegeben (-o DATEI)."));
    }
    if (values.size() != 3) {
        return refused(
            Texts::tr("Genau drei Markenwerte erwartet, %1 angegeben.").arg(values.size()));
    }
    if (from.value >= to.value) {
        return refused(Texts::tr("--from muss kleiner als --to sein."));
    }
    const auto format = pictureFormatFor(file);
    if (!format) {
        return refused(Texts::tr("Unbekanntes Dateiformat: %1 (erlaubt sind .png, .svg und .pdf).")
                           .arg(shownName(argumentBytes(file))));
    }
    WorksheetOptions options;
    if (parser.isSet(kind)) {
        const auto named = sheetKindNamed(parser.value(kind));
        if (!named) {
            return refused(Texts::tr("Unbekannte Art: „%1“ (erlaubt sind diagramm, uebung, "
                                     "loesung, warum und warum-leer).")
                               .arg(parser.value(kind)));
        }
        options.kind = *named;
    }
    for (std::size_t i = 0; i < options.stamps.size(); ++i) {
        options.stamps.at(i) = argumentBytes(values.at(static_cast<qsizetype>(i))).toStdString();
    }
    if (parser.isSet(from.option) || parser.isSet(to.option)) {
        options.range = {from.value, to.value};
    }
    options.nameLine = !parser.isSet(noName);
    options.whiteGround = !parser.isSet(grey);

    const Worksheet sheet(std::move(options));
    if (const auto& refusal = sheet.refusal()) {
        return {2, {}, (refusalText(*refusal) + u'\n').toStdString()};
    }
    const ZoomedPicture image(sheet, width.value / static_cast<double>(sheet.size().width()));
    const Picture& picture =
        *format == PictureFormat::Png ? static_cast<const Picture&>(image) : sheet;
    const QSize size = picture.size();
    if (*format == PictureFormat::Png &&
        (size.height() > kMostPngSide ||
         static_cast<double>(size.width()) * size.height() > kMostPngPixels)) {
        return refused(Texts::tr("Das Bild würde %1 × %2 Pixel groß werden, zu groß für PNG "
                                 "(höchstens %3 Pixel hoch und 64 Mio. Pixel); bitte --width "
                                 "verkleinern oder SVG oder PDF wählen.")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(kMostPngSide));
    }
    if (const auto error = writePicture(picture, argumentBytes(file), *format)) {
        return {1, {}, error->toStdString() + "\n"};
    }
    return {};
}

}  // namespace frankierung
