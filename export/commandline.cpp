#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <charconv>

#include "appstart.h"
#include "chartsheet.h"
#include "picturewriter.h"
#include "sheetfile.h"
#include "survey.h"

namespace frankierung {

namespace {

// The texts in the user's language; German is the source.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

const QString kProgram = QStringLiteral("frankierung-chart");

ProgramOutcome refused(const QString& message) {
    return {1, {}, (message + u'\n' + helpPointer({kProgram})).toStdString()};
}

std::optional<int> wholeNumber(const QString& text) {
    const std::string s = text.toStdString();
    int value = 0;
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, value);
    if (s.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

struct Bounded {
    QCommandLineOption option;
    int min;
    int max;
    int value;
};

// The option's whole number within its bounds, or the message that refuses it.
std::optional<QString> readBounded(const QCommandLineParser& parser, Bounded& b) {
    if (!parser.isSet(b.option)) {
        return std::nullopt;
    }
    const QString name = QStringLiteral("--") + b.option.names().first();
    const QString text = parser.value(b.option);
    const auto n = wholeNumber(text);
    if (!n) {
        return Texts::tr("%1 erwartet eine ganze Zahl, nicht „%2“.").arg(name, text);
    }
    if (*n < b.min || *n > b.max) {
        return Texts::tr("%1 muss zwischen %2 und %3 liegen, nicht %4.")
            .arg(name)
            .arg(b.min)
            .arg(b.max)
            .arg(*n);
    }
    b.value = *n;
    return std::nullopt;
}

}  // namespace

ProgramOutcome runChartExport(std::span<const std::string> args) {
    QStringList list{kProgram};
    for (const std::string& a : args) {
        list << argumentText(a);
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(Texts::tr(
        "Zeichnet das Diagramm für die Markenwerte A, B, C als Arbeitsblatt, mit demselben Code "
        "wie das Fenster.\nOhne --from und --to: die Beträge 0 bis 1000 in zehn Streifen "
        "untereinander.\nExit-Code 0: geschrieben; 1: falscher Aufruf oder nicht schreibbar; "
        "2: Markenwerte abgelehnt."));
    parser.addPositionalArgument(
        QStringLiteral("A B C"),
        Texts::tr("die drei Markenwerte (Texte wie in den Eingabefeldern; -- davor, wenn "
                  "einer mit - beginnt)"));
    const QCommandLineOption output(
        QStringLiteral("o"),
        Texts::tr("Ausgabedatei; die Endung wählt das Format: .png, .svg oder .pdf"),
        Texts::tr("DATEI"));
    Bounded from{{QStringLiteral("from"),
                  Texts::tr("linker Rand des Streifens, ganzer Betrag 0 bis 999 (Vorgabe 0)"),
                  QStringLiteral("N")},
                 0,
                 kSurveyEnd - 1,
                 0};
    Bounded to{{QStringLiteral("to"),
                Texts::tr("rechter Rand des Streifens, ganzer Betrag 1 bis 1000 (Vorgabe "
                          "1000)"),
                QStringLiteral("M")},
               1,
               kSurveyEnd,
               kSurveyEnd};
    Bounded width{
        {QStringLiteral("width"), Texts::tr("Breite in Pixeln, 200 bis 20000 (Vorgabe 1600)"),
         QStringLiteral("PX")},
        kMinSheetWidth,
        kMaxSheetWidth,
        kDefaultSheetWidth};
    parser.addOptions({output, from.option, to.option, width.option});
    if (auto answer = answerCommandLine(parser, list)) {
        return *answer;
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

    SheetOptions options;
    for (std::size_t i = 0; i < options.stamps.size(); ++i) {
        options.stamps.at(i) = argumentBytes(values.at(static_cast<qsizetype>(i))).toStdString();
    }
    options.width = width.value;
    if (parser.isSet(from.option) || parser.isSet(to.option)) {
        options.strips = {{from.value, to.value}};
    } else {
        options.strips = defaultStrips();
    }
    ChartSheet sheet(std::move(options));
    if (const auto& refusal = sheet.refusal()) {
        return {2, {}, (refusalText(*refusal) + u'\n').toStdString()};
    }
    const QSize size = sheet.size();
    if (*format == PictureFormat::Png &&
        (size.height() > kMostPngSide ||
         static_cast<double>(size.width()) * size.height() > kMostPngPixels)) {
        return refused(
            Texts::tr("Das Bild würde %1 × %2 Pixel groß werden, zu groß für PNG (höchstens "
                      "%3 Pixel hoch und 64 Mio. Pixel); bitte --width "
                      "verkleinern, mit --from/--to mehr Beträge in einen "
                      "Streifen nehmen oder SVG oder PDF wählen.")
                .arg(size.width())
                .arg(size.height())
                .arg(kMostPngSide));
    }
    if (const auto error = writePicture(sheet, argumentBytes(file), *format)) {
        return {1, {}, error->toStdString() + "\n"};
    }
    return {};
}

}  // namespace frankierung
