#include "app/commandline.h"

#include "core/buildup/buildupcalc.h"
#include "core/calculate/pathshares.h"
#include "core/calculate/recalculate.h"
#include "core/model/appversion.h"
#include "core/model/numbers.h"
#include "core/model/variablen.h"
#include "core/projectfile/projectfile.h"
#include "core/reports/companydata.h"
#include "core/reports/reportdocument.h"
#include "core/reports/requirements.h"
#include "core/reports/resultstext.h"
#include "gui/reports/companylogo.h"
#include "gui/reports/reportpainter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

namespace tavix::app {

namespace {

constexpr int ExitCalculated = 0;
constexpr int ExitIncomplete = 1;
constexpr int ExitUnreadable = 2;
constexpr int ExitUsage = 64; // an unknown option: the usage is printed instead

// Every option of the command-line mode, registered here once: the parser, the usage text
// and the recognition of unknown options all read this list.
QList<QCommandLineOption> commandLineOptions()
{
    return {
        QCommandLineOption(
            QStringLiteral("json"),
            QString::fromUtf8(
                "Liest die Projektdatei <datei>, berechnet sie und gibt alle Werte als JSON aus. "
                "Rückgabewert 0: berechnet, 1: Eingaben unvollständig, 2: Datei nicht lesbar."),
            QStringLiteral("datei")),
        QCommandLineOption(
            QStringLiteral("text"),
            QString::fromUtf8("Liest die Projektdatei <datei>, berechnet sie und gibt die Eingabedaten und "
                              "Berechnungsergebnisse als Text aus. Rückgabewerte wie bei --json."),
            QStringLiteral("datei")),
        QCommandLineOption(
            QStringLiteral("pdf"),
            QString::fromUtf8(
                "Schreibt den zweiseitigen Bericht der Projektdatei (Deckblatt und Berechnungsblatt, "
                "Firmendaten aus Firma.set im aktuellen Verzeichnis) als PDF nach <ausgabe.pdf>: "
                "tavix-schallschutz --pdf <ausgabe.pdf> <projekt.dat>. Rückgabewerte wie bei --json; "
                "bei unvollständigen Eingaben wird nichts geschrieben."),
            QStringLiteral("ausgabe.pdf")),
        QCommandLineOption(
            QStringLiteral("anforderung"),
            QString::fromUtf8(
                "Mit --json: prüft R'w − u_prog (u_prog = 2 dB) gegen die Anforderung erf. R'w = <dB> "
                "und gibt das Ergebnis unter \"Requirement\" aus."),
            QStringLiteral("dB")),
    };
}

// The options QCommandLineParser adds itself for help and version.
const QStringList &builtInOptionNames()
{
    static const QStringList names{QStringLiteral("h"),    QStringLiteral("?"),
                                   QStringLiteral("help"), QStringLiteral("help-all"),
                                   QStringLiteral("v"),    QStringLiteral("version")};
    return names;
}

// The first argument that looks like an option but is none of the registered ones, as it
// was written; empty when there is none. Values of options that take one are skipped, and
// "--" ends the options.
QString firstUnknownOption(const QStringList &arguments)
{
    const QList<QCommandLineOption> options = commandLineOptions();
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            return {};
        if (!argument.startsWith(QLatin1Char('-')) || argument.size() == 1)
            continue;
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const bool valueAttached = name.contains(QLatin1Char('='));
        name = name.section(QLatin1Char('='), 0, 0);
        if (builtInOptionNames().contains(name))
            continue;
        const auto known =
            std::find_if(options.cbegin(), options.cend(),
                         [&name](const QCommandLineOption &o) { return o.names().contains(name); });
        if (known == options.cend())
            return argument;
        if (!known->valueName().isEmpty() && !valueAttached)
            ++i;
    }
    return {};
}

QByteArray jsonString(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            out += QByteArray("\\u00") + QByteArray::number(u, 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    return out + '"';
}

// Numbers as a standard JSON reader takes them back: finite doubles, 17 significant digits
// (enough to carry every double exactly). A value beyond the range of a double, or not
// finite, has no such form; it makes the whole document fail rather than appear as null
// or as an exponent no reader accepts.
class JsonNumbers
{
public:
    QByteArray operator()(long double value)
    {
        if (std::isfinite(value) && std::fabs(value) <= std::numeric_limits<double>::max()) {
            const QByteArray text = formatGeneral(value, QLatin1Char('.'), 17).toLatin1();
            // Rounding to 17 digits may still step past the largest double.
            double back = 0;
            const auto parsed = std::from_chars(text.constData(), text.constData() + text.size(), back);
            if (parsed.ec == std::errc() && std::isfinite(back))
                return text;
        }
        m_failed = true;
        return "null";
    }
    // A value the dialog would not show is null.
    QByteArray operator()(std::optional<long double> value) { return value ? (*this)(*value) : "null"; }
    bool failed() const { return m_failed; }

private:
    bool m_failed = false;
};

QByteArray jsonArray(const QList<QByteArray> &items)
{
    return "[" + items.join(", ") + "]";
}

class ObjectWriter
{
public:
    void add(const char *key, const QByteArray &value)
    {
        m_members << jsonString(QLatin1String(key)) + ": " + value;
    }
    QByteArray text(int indent) const
    {
        const QByteArray pad(indent + 2, ' ');
        return "{\n" + pad + m_members.join(",\n" + pad) + "\n" + QByteArray(indent, ' ') + "}";
    }
    QByteArray inlineText() const { return "{" + m_members.join(", ") + "}"; }

private:
    QList<QByteArray> m_members;
};

struct Recomputed
{
    std::optional<long double> m, Rw;
};

// What the build-up dialog would show for the stored record when it is opened.
Recomputed recompute(const BuildUpRecord &r)
{
    const QChar sep = QLatin1Char('.');
    const BuildUpDialogView view = recomputeBuildUp(dialogInputFromRecord(r, sep), sep);
    Recomputed result;
    if (view.displayValid)
        result.m = view.record.m;
    if (view.error.isEmpty())
        result.Rw = view.record.Rw;
    return result;
}

QByteArray pathArray(JsonNumbers &jsonNumber, const long double (&values)[PathCount])
{
    return jsonArray({jsonNumber(values[PathFf]), jsonNumber(values[PathFd]), jsonNumber(values[PathDf])});
}

// The thirteen paths, largest share first, with what removing each would bring.
QByteArray pathsJson(JsonNumbers &jsonNumber, const ProjectModel &model)
{
    QList<QByteArray> paths;
    for (const PathShare &path : computePathShares(model).paths) {
        ObjectWriter o;
        o.add("Path", jsonString(pathCode(path)));
        o.add("R", jsonNumber(path.R));
        o.add("Share", jsonNumber(100 * path.share));
        o.add("RwWithout", jsonNumber(path.rwWithout));
        paths << o.inlineText();
    }
    return "[\n    " + paths.join(",\n    ") + "\n  ]";
}

QByteArray requirementJson(JsonNumbers &jsonNumber, const ProjectModel &model, long double erfRw)
{
    const RequirementCheck check = checkRequirement(model.RwBau, erfRw);
    ObjectWriter o;
    o.add("erfRw", jsonNumber(check.erfRw));
    o.add("uprog", jsonNumber(UProg));
    o.add("RwMinusU", jsonNumber(check.rwMinusU));
    o.add("Fulfilled", check.fulfilled ? "true" : "false");
    o.add("Margin", jsonNumber(check.margin));
    return o.inlineText();
}

// "--anforderung 53" or "53,5": the required R'w in dB.
std::optional<long double> requirementArgument(const QString &text)
{
    for (const QChar sep : {QLatin1Char('.'), QLatin1Char(',')}) {
        const std::optional<long double> value = parseReal(text, sep);
        if (value && std::isfinite(*value) && *value > 0)
            return value;
    }
    return std::nullopt;
}

void printError(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
}

// The PDF report is painted with fonts, which needs the GUI side of Qt; without a display
// it paints on the offscreen platform.
bool wantsPdf(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0)
            return true;
    }
    return false;
}

std::unique_ptr<QCoreApplication> createApplication(int &argc, char *argv[])
{
    if (!wantsPdf(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The report of a calculated project with the company data of the current directory, with
// the proof page when the project names a requirement, written atomically to `pdfPath`.
int writePdfReport(const ProjectModel &model, const QString &pdfPath)
{
    if (!model.Calculated) {
        printError(noResultsWarning().trimmed());
        for (const QString &message : model.Messages)
            printError(message);
        return ExitIncomplete;
    }
    const LoadedCompanyData company = loadCompanyData(QDir::current().filePath(CompanyDataFileName));
    if (!company.ok()) {
        printError(company.error);
        return ExitUnreadable;
    }
    ReportComposer composer;
    const ReportOutcome outcome =
        composer.compose(model, company.data, QDate::currentDate(), localeDecimalSeparator());
    if (!outcome.ok()) {
        printError(outcome.message);
        return ExitUnreadable;
    }
    const gui::ReportPainter report(outcome.document,
                                    gui::reportPictures(outcome.document, gui::reportSketch(model),
                                                        gui::loadCompanyLogo(company.data.Logo)));
    const QString error =
        gui::writeReportPdf(report, gui::reportPages(report, true), pdfPath, outcome.document.title);
    if (!error.isEmpty()) {
        printError(error);
        return ExitUnreadable;
    }
    return ExitCalculated;
}

} // namespace

QByteArray projectJson(const ProjectModel &model, std::optional<long double> requirement, QString *error)
{
    JsonNumbers jsonNumber;
    ObjectWriter root;
    root.add("Calculated", model.Calculated ? "true" : "false");

    QList<QByteArray> messages;
    for (const QString &m : model.Messages)
        messages << jsonString(m);
    root.add("Messages", jsonArray(messages));

    QList<QByteArray> slots;
    for (const BuildUpSlot &slot : BuildUpSlots) {
        const BuildUpRecord &r = model.buildUp[slot.element][slot.side];
        const Recomputed again = recompute(r);
        ObjectWriter o;
        o.add("Key", jsonString(buildUpSlotKey(slot.element, slot.side)));
        o.add("m", jsonNumber(r.m));
        o.add("Rw", jsonNumber(r.Rw));
        o.add("mRecomputed", jsonNumber(again.m));
        o.add("RwRecomputed", jsonNumber(again.Rw));
        slots << o.inlineText();
    }
    root.add("Slots", "[\n    " + slots.join(",\n    ") + "\n  ]");

    QList<QByteArray> f0;
    for (const BuildUpSlot &slot : LiningSlots)
        f0 << QByteArray::number(model.f0[slot.element][slot.side]);
    root.add("f0", jsonArray(f0));

    QList<QByteArray> codes;
    for (int n = 1; n <= FlankCount; ++n)
        codes << jsonString(model.Stoss[n]);
    root.add("Stoss", jsonArray(codes));

    if (model.Calculated) {
        QList<QByteArray> dRw;
        for (const BuildUpSlot &slot : LiningSlots)
            dRw << jsonNumber(model.dRw[slot.element][slot.side]);
        root.add("dRw", jsonArray(dRw));
        root.add("dRDd", jsonNumber(model.dRDd));
        QList<QByteArray> dRij, kij, rij, fa, rres;
        for (int n = 1; n <= FlankCount; ++n) {
            dRij << pathArray(jsonNumber, model.dRij[n]);
            kij << pathArray(jsonNumber, model.Kij[n]);
            rij << pathArray(jsonNumber, model.Rij[n]);
            fa << jsonArray({jsonNumber(model.FA[n][1]), jsonNumber(model.FA[n][2])});
        }
        for (long double r : model.Rres)
            rres << jsonNumber(r);
        root.add("dRij", jsonArray(dRij));
        root.add("Kij", jsonArray(kij));
        root.add("Rij", jsonArray(rij));
        root.add("FA", jsonArray(fa));
        root.add("RDd", jsonNumber(model.RDd));
        root.add("Rres", jsonArray(rres));
        root.add("RwBau", jsonNumber(model.RwBau));
        root.add("DnTw12", jsonNumber(model.DnTw12));
        root.add("DnTw21", jsonNumber(model.DnTw21));
        root.add("Paths", pathsJson(jsonNumber, model));
        if (requirement)
            root.add("Requirement", requirementJson(jsonNumber, model, *requirement));
    }
    if (jsonNumber.failed()) {
        if (error)
            *error =
                QString::fromUtf8("Ein Wert liegt außerhalb des Zahlenbereichs, den JSON darstellen kann.");
        return {};
    }
    if (error)
        error->clear();
    return root.text(0) + '\n';
}

QByteArray projectText(const ProjectModel &model, QChar decimalSeparator)
{
    QByteArray out;
    for (const QString &line : BuildResultsText(model, decimalSeparator))
        out += line.toUtf8() + '\n';
    return out;
}

bool wantsCommandLineMode(int argc, char *argv[])
{
    // Any option, known or not: an unknown one is answered with the usage, not with the window.
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            return false;
        if (arg[0] == '-' && arg[1] != '\0')
            return true;
    }
    return false;
}

int runCommandLine(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> app = createApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavix-schallschutz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVIX_VERSION_STRING));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(
        "Tavix-Schallschutz Rechner: Luftschalldämmung zwischen zwei Räumen (vereinfachtes Modell der "
        "DIN EN 12354-1).\nOhne Optionen startet das Programmfenster; eine Projektdatei als einziges "
        "Argument wird darin geöffnet."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(commandLineOptions());
    const QString jsonOption = QStringLiteral("json");
    const QString textOption = QStringLiteral("text");
    const QString pdfOption = QStringLiteral("pdf");
    const QString requirementOption = QStringLiteral("anforderung");
    parser.addPositionalArgument(QStringLiteral("projekt.dat"),
                                 QString::fromUtf8("Projektdatei, die im Programmfenster geöffnet wird."),
                                 QStringLiteral("[projekt.dat]"));

    const QString unknown = firstUnknownOption(QCoreApplication::arguments());
    if (!unknown.isEmpty()) {
        printError(QString::fromUtf8("Unbekannte Option: %1\n").arg(unknown) + parser.helpText());
        return ExitUsage;
    }
    if (!parser.parse(QCoreApplication::arguments())) {
        printError(parser.errorText());
        return ExitUnreadable;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(ExitCalculated);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const bool pdf = parser.isSet(pdfOption);
    const bool asText = parser.isSet(textOption);
    const int modes = int(pdf) + int(asText) + int(parser.isSet(jsonOption));
    if (modes != 1 || (pdf && parser.positionalArguments().size() != 1)) {
        printError(QString::fromUtf8("Aufruf: tavix-schallschutz --json PROJEKT.dat | --text PROJEKT.dat | "
                                     "--pdf AUSGABE.pdf PROJEKT.dat"));
        return ExitUnreadable;
    }

    std::optional<long double> requirement;
    if (parser.isSet(requirementOption)) {
        requirement = requirementArgument(parser.value(requirementOption));
        if (!requirement) {
            printError(
                QString::fromUtf8("Ungültige Anforderung '%1': erwartet wird erf. R'w in dB, z. B. 53.")
                    .arg(parser.value(requirementOption)));
            return ExitUnreadable;
        }
    }

    const QString path =
        pdf ? parser.positionalArguments().constFirst() : parser.value(asText ? textOption : jsonOption);
    const QChar sep = localeDecimalSeparator();
    LoadedProject loaded = loadProject(path, sep);
    if (!loaded.ok()) {
        printError(loaded.error);
        return ExitUnreadable;
    }
    if (loaded.fileVersion < 2)
        printError(QString::fromUtf8("Hinweis: Die eingelesene Datei wurde nicht mit der aktuellen "
                                     "Programmversion erstellt; die Raumvolumina fehlen."));

    ProjectModel &model = loaded.model;
    const RecalcOutcome outcome = Recalculate(model, sep);
    if (!outcome.ok()) {
        printError(path + QStringLiteral(": ") + outcome.error);
        return ExitUnreadable;
    }
    if (pdf) {
        // The report carries the proof page for the requirement given here, else the project's.
        if (parser.isSet(requirementOption))
            model.requirement = requirementFromArgument(parser.value(requirementOption)).value_or(model.requirement);
        return writePdfReport(model, parser.value(pdfOption));
    }
    QString jsonError;
    const QByteArray output = asText ? projectText(model, sep) : projectJson(model, requirement, &jsonError);
    if (!jsonError.isEmpty()) {
        printError(path + QStringLiteral(": ") + jsonError);
        return ExitUnreadable;
    }
    std::fwrite(output.constData(), 1, static_cast<size_t>(output.size()), stdout);
    std::fflush(stdout);
    return model.Calculated ? ExitCalculated : ExitIncomplete;
}

} // namespace tavix::app
