#include "app/commandline.h"

#include "core/buildup/buildupcalc.h"
#include "core/calculate/pathshares.h"
#include "core/calculate/recalculate.h"
#include "core/impact/impacttext.h"
#include "core/io/filelayer.h"
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
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace tavix::app {

namespace {

constexpr int ExitCalculated = 0;
constexpr int ExitIncomplete = 1;
constexpr int ExitFailed = 2;
constexpr int ExitWrongCall = 64;

const QString HelpOption = QStringLiteral("help");
const QString VersionOption = QStringLiteral("version");
const QString JsonOption = QStringLiteral("json");
const QString TextOption = QStringLiteral("text");
const QString PdfOption = QStringLiteral("pdf");
const QString RequirementOption = QStringLiteral("anforderung");

QList<QCommandLineOption> commandLineOptions()
{
    return {
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("?"), HelpOption},
                           QStringLiteral("Zeigt diese Hilfe an.")),
        QCommandLineOption({QStringLiteral("v"), VersionOption},
                           QStringLiteral("Zeigt die Programmversion an.")),
        QCommandLineOption(
            JsonOption,
            QStringLiteral("Liest jede angegebene Projektdatei, berechnet sie und gibt alle Werte "
                           "als JSON aus; bei mehreren Dateien ein Objekt je Zeile, mit dem "
                           "Dateinamen unter \"File\".")),
        QCommandLineOption(
            TextOption,
            QStringLiteral("Gibt statt JSON die Eingabedaten und Berechnungsergebnisse als Text aus "
                           "(UTF-8, Dezimaltrennzeichen der Spracheinstellung); bei mehreren "
                           "Dateien durch einen Seitenvorschub getrennt.")),
        QCommandLineOption(
            PdfOption,
            QStringLiteral("Schreibt den Bericht genau einer Projektdatei (Deckblatt und "
                           "Berechnungsblatt, dazu der Nachweis des Schallschutzes, wenn das Projekt "
                           "oder --anforderung eine Anforderung nennt; Firmendaten aus Firma.set im "
                           "aktuellen Verzeichnis) "
                           "als PDF nach <ausgabe.pdf>; bei unvollständigen Eingaben wird nichts "
                           "geschrieben."),
            QStringLiteral("ausgabe.pdf")),
        QCommandLineOption(
            RequirementOption,
            QStringLiteral("Prüft gegen diese Anforderung statt gegen die im Projekt gespeicherte: die "
                           "Kennung eines Katalogeintrags (z. B. mfh-wand, mfh-decke) oder erf. R'w in dB "
                           "(z. B. 53). Geprüft wird R'w − 2 dB ≥ erf. R'w (JSON: \"Requirement\") und "
                           "L'n,w + 3 dB ≤ zul. L'n,w (\"ImpactRequirement\")."),
            QStringLiteral("Kennung|dB")),
    };
}

// The words QCommandLineParser puts around the options in its usage text, in German.
class GermanParserTexts : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        static const std::pair<const char *, const char *> Texts[] = {
            {"Usage: %1", "Aufruf: %1"},
            {"[options]", "[Optionen]"},
            {"Options:", "Optionen:"},
            {"Arguments:", "Argumente:"},
        };
        if (qstrcmp(context, "QCommandLineParser") != 0)
            return {};
        for (const auto &[english, german] : Texts) {
            if (qstrcmp(sourceText, english) == 0)
                return QString::fromLatin1(german);
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

void printError(const QString &text)
{
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

// A message about one file that does not name it by itself.
QString aboutFile(const QString &path, const QString &text)
{
    return QStringLiteral("%1: %2").arg(displayFileName(path), text);
}

// Standard output, written without a buffer in between so that every failure (a full
// disk, a closed descriptor, a reader that went away) is seen where it happens.
class StandardOutput
{
public:
    explicit StandardOutput(bool closed) : m_error(closed ? EBADF : 0) {}

    bool write(const QByteArray &bytes)
    {
        for (qsizetype done = 0; m_error == 0 && done < bytes.size();) {
            const ssize_t n = ::write(STDOUT_FILENO, bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0)
                done += n;
            else if (n < 0 && errno == EINTR)
                continue;
            else
                m_error = n < 0 ? errno : EIO;
        }
        return m_error == 0;
    }

    QString errorText() const
    {
        const QString reason = m_error == EBADF || m_error == EPIPE
                                   ? QStringLiteral("Die Ausgabe ist geschlossen")
                                   : ioErrorText(m_error);
        return QStringLiteral("Die Ausgabe konnte nicht geschrieben werden: ") + reason;
    }

private:
    int m_error;
};

// A standard descriptor that the caller closed would be handed to the next file opened,
// and output meant for the terminal would land in a project file or the PDF. Each closed
// one is filled with /dev/null; returns whether standard output was among them, so that
// writing to it still fails.
bool fillClosedStandardDescriptors()
{
    bool outputClosed = false;
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        outputClosed = outputClosed || fd == STDOUT_FILENO;
        const int opened = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
    return outputClosed;
}

// Numbers as a standard JSON reader takes them back: finite doubles, the same as their 17
// significant digits read as (enough to carry every double exactly). A value beyond the
// range of a double, or not finite, has no such form; it makes the whole document fail
// rather than appear as null or as an exponent no reader accepts.
class JsonNumbers
{
public:
    QJsonValue operator()(long double value)
    {
        if (const std::optional<double> number = doubleOf17Digits(value))
            return *number;
        m_failed = true;
        return QJsonValue::Null;
    }
    // A value the dialog would not show is null.
    QJsonValue operator()(std::optional<long double> value) { return value ? (*this)(*value) : QJsonValue(); }
    bool failed() const { return m_failed; }

private:
    bool m_failed = false;
};

// What the build-up dialog would show for the stored record when it is opened.
QJsonObject slotJson(JsonNumbers &number, const BuildUpSlot &slot, const BuildUpRecord &r)
{
    const QChar sep = QLatin1Char('.');
    const BuildUpDialogView view = recomputeBuildUp(dialogInputFromRecord(r, sep), sep);
    std::optional<long double> m, rw;
    if (view.displayValid)
        m = view.record.m;
    if (view.error.isEmpty())
        rw = view.record.Rw;
    return {{QStringLiteral("Key"), buildUpSlotKey(slot.element, slot.side)},
            {QStringLiteral("m"), number(r.m)},
            {QStringLiteral("Rw"), number(r.Rw)},
            {QStringLiteral("mRecomputed"), number(m)},
            {QStringLiteral("RwRecomputed"), number(rw)}};
}

QJsonArray pathArray(JsonNumbers &number, const long double (&values)[PathCount])
{
    return {number(values[PathFf]), number(values[PathFd]), number(values[PathDf])};
}

// The thirteen paths, largest share first, with what removing each would bring.
QJsonArray pathsJson(JsonNumbers &number, const ProjectModel &model)
{
    QJsonArray paths;
    for (const PathShare &path : computePathShares(model).paths) {
        paths.append(QJsonObject{{QStringLiteral("Path"), pathCode(path)},
                                 {QStringLiteral("R"), number(path.R)},
                                 {QStringLiteral("Share"), number(100 * path.share)},
                                 {QStringLiteral("RwWithout"), number(path.rwWithout)}});
    }
    return paths;
}

QJsonObject requirementJson(JsonNumbers &number, const RequirementCheck &check)
{
    return {{QStringLiteral("erfRw"), number(check.erfRw)},
            {QStringLiteral("uprog"), number(UProg)},
            {QStringLiteral("RwMinusU"), number(check.rwMinusU)},
            {QStringLiteral("Fulfilled"), check.fulfilled},
            {QStringLiteral("Margin"), number(check.margin)}};
}

// The impact sound of a floor with a screed: the values (null where the calculation gives
// none) and its hints; beside it the check against a zul. L'n,w, when there is one.
void insertImpactJson(JsonNumbers &number, const ImpactReport &impact, QJsonObject &root)
{
    QJsonArray walls;
    for (const int flank : impact.wallsCounted)
        walls.append(flank);
    root.insert(QStringLiteral("Impact"),
                QJsonObject{{QStringLiteral("Lneq0w"), number(impact.lneq0w)},
                            {QStringLiteral("DeltaLw"), number(impact.deltaLw)},
                            {QStringLiteral("mfm"), number(impact.mfm)},
                            {QStringLiteral("WallsCounted"), walls},
                            {QStringLiteral("K"), number(impact.K)},
                            {QStringLiteral("Lnw"), number(impact.lnw)},
                            {QStringLiteral("LnTw"), number(impact.lnTw)},
                            {QStringLiteral("Hints"), QJsonArray::fromStringList(impact.hints)}});
    if (impact.zulLnw && impact.fulfilled) {
        root.insert(QStringLiteral("ImpactRequirement"),
                    QJsonObject{{QStringLiteral("zulLnw"), number(impact.zulLnw)},
                                {QStringLiteral("LnwPlusU"), number(impact.lnwPlusU)},
                                {QStringLiteral("Margin"), number(impact.margin)},
                                {QStringLiteral("Fulfilled"), *impact.fulfilled}});
    }
}

// The JSON object of a loaded and recalculated project; empty with `error` set when a
// value has no JSON number.
QJsonObject projectJson(const ProjectModel &model, QString &error)
{
    JsonNumbers number;
    QJsonObject root;
    root.insert(QStringLiteral("Calculated"), model.Calculated);
    root.insert(QStringLiteral("Messages"), QJsonArray::fromStringList(model.Messages));
    QJsonArray slotList;
    for (const BuildUpSlot &slot : BuildUpSlots)
        slotList.append(slotJson(number, slot, model.buildUp[slot.element][slot.side]));
    root.insert(QStringLiteral("Slots"), slotList);
    QJsonArray f0;
    for (const BuildUpSlot &slot : LiningSlots)
        f0.append(model.f0[slot.element][slot.side]);
    root.insert(QStringLiteral("f0"), f0);
    QJsonArray codes;
    for (int n = 1; n <= FlankCount; ++n)
        codes.append(model.Stoss[n]);
    root.insert(QStringLiteral("Stoss"), codes);

    if (model.Calculated) {
        QJsonArray dRw, dRij, kij, rij, fa, rres;
        for (const BuildUpSlot &slot : LiningSlots)
            dRw.append(number(model.dRw[slot.element][slot.side]));
        for (int n = 1; n <= FlankCount; ++n) {
            dRij.append(pathArray(number, model.dRij[n]));
            kij.append(pathArray(number, model.Kij[n]));
            rij.append(pathArray(number, model.Rij[n]));
            fa.append(QJsonArray{number(model.FA[n][1]), number(model.FA[n][2])});
        }
        for (long double r : model.Rres)
            rres.append(number(r));
        root.insert(QStringLiteral("dRw"), dRw);
        root.insert(QStringLiteral("dRDd"), number(model.dRDd));
        root.insert(QStringLiteral("dRij"), dRij);
        root.insert(QStringLiteral("Kij"), kij);
        root.insert(QStringLiteral("Rij"), rij);
        root.insert(QStringLiteral("FA"), fa);
        root.insert(QStringLiteral("RDd"), number(model.RDd));
        root.insert(QStringLiteral("Rres"), rres);
        root.insert(QStringLiteral("RwBau"), number(model.RwBau));
        root.insert(QStringLiteral("DnTw12"), number(model.DnTw12));
        root.insert(QStringLiteral("DnTw21"), number(model.DnTw21));
        root.insert(QStringLiteral("Paths"), pathsJson(number, model));
        if (const ProofChecks checks = proofChecks(model); checks.airborne)
            root.insert(QStringLiteral("Requirement"), requirementJson(number, *checks.airborne));
    }
    if (const std::optional<ImpactReport> impact = impactReport(model))
        insertImpactJson(number, *impact, root);
    if (number.failed()) {
        error = QStringLiteral("Ein Wert liegt außerhalb des Zahlenbereichs, den JSON darstellen kann.");
        return {};
    }
    return root;
}

// The results window's text, then the impact sound of a floor with a screed.
QByteArray projectText(const ProjectModel &model, QChar decimalSeparator)
{
    QByteArray out;
    for (const QString &line :
         BuildResultsText(model, decimalSeparator) + impactResultLines(model, decimalSeparator))
        out += line.toUtf8() + '\n';
    return out;
}

// A project read and recalculated as the window would show it after "Öffnen...", with the
// notices about its file; `error` says why it could not be. A requirement given on the
// command line takes the place of the one stored in the project.
struct CalculatedProject
{
    ProjectModel model;
    QString error;
    QStringList notices;
};

CalculatedProject calculateProject(const QString &path, QChar sep,
                                   const std::optional<ProjectRequirement> &requirement)
{
    LoadedProject loaded = loadProject(path, sep);
    if (!loaded.ok())
        return {{}, loaded.error, {}};
    if (requirement)
        loaded.model.requirement = *requirement;
    QStringList notices;
    if (loaded.fileVersion < 2)
        notices << QStringLiteral(
                       "Hinweis: Die Projektdatei „%1“ wurde nicht mit der aktuellen Programmversion "
                       "erstellt; die Raumvolumina fehlen.")
                       .arg(displayFileName(path));
    if (loaded.incomplete)
        notices << QStringLiteral("Hinweis: ") + incompleteProjectText(path, loaded);
    const RecalcOutcome outcome = Recalculate(loaded.model, sep);
    if (!outcome.ok())
        return {{}, aboutFile(path, outcome.error), notices};
    return {std::move(loaded.model), {}, notices};
}

struct StudyOptions
{
    bool asText = false;
    bool several = false; // one JSON line per file, with "File"
    std::optional<ProjectRequirement> requirement;
    QChar decimalSeparator;
};

// One file's part of a study: its output, its messages for standard error, its status.
// One file prints as it always did; of several, each prints one compact JSON object per
// line (with "File", or with "Error" when it failed) or its text after a form feed (empty
// when it failed).
struct StudyResult
{
    int status = ExitCalculated;
    QByteArray output;
    QStringList messages;
};

int exitStatusOf(const ProjectModel &model)
{
    return model.Calculated ? ExitCalculated : ExitIncomplete;
}

StudyResult studyFile(const QString &path, bool first, const StudyOptions &options)
{
    const CalculatedProject project = calculateProject(path, options.decimalSeparator, options.requirement);
    StudyResult result;
    result.messages = project.notices;
    QString error = project.error;
    if (options.asText) {
        result.output = first ? QByteArray() : QByteArray("\f");
        if (error.isEmpty())
            result.output += projectText(project.model, options.decimalSeparator);
    } else if (error.isEmpty()) {
        QJsonObject json = projectJson(project.model, error);
        if (!error.isEmpty())
            error = aboutFile(path, error);
        else if (!options.several)
            result.output = QJsonDocument(json).toJson(QJsonDocument::Indented);
        else {
            json.insert(QStringLiteral("File"), displayFileName(path));
            result.output = QJsonDocument(json).toJson(QJsonDocument::Compact) + '\n';
        }
    }
    if (!error.isEmpty()) {
        result.messages << error;
        if (options.several && !options.asText)
            result.output = QJsonDocument(QJsonObject{{QStringLiteral("File"), displayFileName(path)},
                                                      {QStringLiteral("Error"), error}})
                                .toJson(QJsonDocument::Compact) +
                            '\n';
    }
    result.status = error.isEmpty() ? exitStatusOf(project.model) : ExitFailed;
    return result;
}

// --json and --text over every file in the given order, each printed as soon as it is
// computed. The exit status is the worst of the files; output that cannot be written
// ends the study.
int printStudy(const QStringList &files, StudyOptions options, StandardOutput &output)
{
    options.several = files.size() > 1;
    int worst = ExitCalculated;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const StudyResult result = studyFile(files.at(i), i == 0, options);
        for (const QString &message : result.messages)
            printError(message);
        worst = std::max(worst, result.status);
        if (!output.write(result.output)) {
            printError(output.errorText());
            return ExitFailed;
        }
    }
    return worst;
}

// The report of a calculated project with the company data of the current directory, as
// the settings window would hold them, written atomically to `pdfPath`.
int writePdfReport(const QString &projectPath, const QString &pdfPath,
                   const std::optional<ProjectRequirement> &requirement)
{
    const CalculatedProject project = calculateProject(projectPath, localeDecimalSeparator(), requirement);
    for (const QString &notice : project.notices)
        printError(notice);
    if (!project.error.isEmpty()) {
        printError(project.error);
        return ExitFailed;
    }
    const ProjectModel &model = project.model;
    if (!model.Calculated) {
        printError(noResultsWarning().trimmed());
        for (const QString &message : model.Messages)
            printError(message);
        return ExitIncomplete;
    }
    const LoadedCompanyData company = loadCompanyData(QDir::current().filePath(CompanyDataFileName));
    if (!company.ok()) {
        printError(company.error);
        return ExitFailed;
    }
    const CompanyData companyData = asSettingsWindowHolds(company.data);
    ReportComposer composer;
    const ReportOutcome outcome =
        composer.compose(model, companyData, QDate::currentDate(), localeDecimalSeparator());
    if (!outcome.ok()) {
        printError(aboutFile(CompanyDataFileName, outcome.message));
        return ExitFailed;
    }
    const gui::ReportPainter report(outcome.document,
                                    gui::reportPictures(outcome.document, gui::reportSketch(model),
                                                        gui::loadCompanyLogo(companyData.Logo)));
    const QString error =
        gui::writeReportPdf(report, gui::reportPages(report, true), pdfPath, outcome.document.title);
    if (!error.isEmpty()) {
        printError(error);
        return ExitFailed;
    }
    return ExitCalculated;
}

} // namespace

QStringList argumentsFromNative(int argc, char *argv[])
{
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromNative(QByteArray(argv[i]));
    return arguments;
}

CommandLine::CommandLine(const QStringList &arguments) : m_parser(std::make_unique<QCommandLineParser>())
{
    m_parser->setApplicationDescription(QStringLiteral(
        "Tavix-Schallschutz Rechner: Luftschalldämmung zwischen zwei Räumen (vereinfachtes Modell der "
        "DIN EN 12354-1).\nOhne Optionen startet das Programmfenster; eine Projektdatei als Argument wird "
        "darin geöffnet.\n\nRückgabewert: 0 berechnet, 1 Eingaben unvollständig, 2 Datei nicht lesbar oder "
        "Ausgabe nicht schreibbar, 64 falscher Aufruf; bei mehreren Dateien der schlechteste."));
    // "-json" is read as "--json", and a single dash before a word is never a row of letters.
    m_parser->setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser->addOptions(commandLineOptions());
    m_parser->addPositionalArgument(
        QStringLiteral("projekt.dat"),
        QStringLiteral("Projektdateien: mit --json und --text beliebig viele, mit "
                       "--pdf genau eine, ohne Option eine, die im Programmfenster "
                       "geöffnet wird."),
        QStringLiteral("[projekt.dat ...]"));
    m_parsed = m_parser->parse(arguments);
}

CommandLine::~CommandLine() = default;

bool CommandLine::startsWindow() const
{
    return m_parsed && m_parser->optionNames().isEmpty();
}

QString CommandLine::projectFile() const
{
    const QStringList files = m_parser->positionalArguments();
    return files.isEmpty() ? QString() : files.constFirst();
}

namespace {

// Why the call is wrong, in German; empty when it is right.
QString wrongCallText(const QCommandLineParser &parser, bool parsed)
{
    if (!parsed) {
        QStringList lines;
        for (const QString &name : parser.unknownOptionNames())
            lines << QStringLiteral("Unbekannte Option: ") +
                         (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        for (const QString &name : {PdfOption, RequirementOption}) {
            if (lines.isEmpty() && parser.isSet(name) && parser.values(name).isEmpty())
                lines << QStringLiteral("Nach --%1 fehlt der Wert.").arg(name);
        }
        if (lines.isEmpty())
            lines << QStringLiteral("Die Optionen --json, --text, --help und --version nehmen keinen Wert an "
                                    "(--json projekt.dat statt --json=projekt.dat).");
        return lines.join(QLatin1Char('\n'));
    }
    const bool pdf = parser.isSet(PdfOption);
    if (int(pdf) + int(parser.isSet(JsonOption)) + int(parser.isSet(TextOption)) != 1)
        return QStringLiteral("Genau eine der Optionen --json, --text oder --pdf angeben.");
    if (parser.positionalArguments().isEmpty())
        return QStringLiteral("Keine Projektdatei angegeben.");
    if (pdf && parser.positionalArguments().size() != 1)
        return QStringLiteral("--pdf schreibt den Bericht genau einer Projektdatei.");
    if (parser.isSet(RequirementOption) && !requirementFromArgument(parser.value(RequirementOption)))
        return QStringLiteral("Ungültige Anforderung „%1“: erwartet wird die Kennung eines Katalogeintrags "
                              "(z. B. mfh-decke) oder erf. R'w in dB (z. B. 53).")
            .arg(parser.value(RequirementOption));
    return {};
}

// The PDF report is painted with fonts, which needs the GUI side of Qt; without a display
// it paints on the offscreen platform.
std::unique_ptr<QCoreApplication> createApplication(int &argc, char *argv[], bool paintsReport)
{
    if (!paintsReport)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int CommandLine::run(int &argc, char *argv[]) const
{
    StandardOutput output(fillClosedStandardDescriptors());
    // A reader that went away is a write error like any other, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    const QCommandLineParser &parser = *m_parser;
    const bool help = m_parsed && parser.isSet(HelpOption);
    const std::unique_ptr<QCoreApplication> app =
        createApplication(argc, argv, m_parsed && !help && parser.isSet(PdfOption));
    QCoreApplication::setApplicationName(QStringLiteral("tavix-schallschutz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVIX_VERSION_STRING));
    GermanParserTexts german;
    QCoreApplication::installTranslator(&german);

    const QString wrong =
        help || (m_parsed && parser.isSet(VersionOption)) ? QString() : wrongCallText(parser, m_parsed);
    if (!wrong.isEmpty()) {
        printError(wrong + QLatin1Char('\n') + parser.helpText().section(QLatin1Char('\n'), 0, 0) +
                   QStringLiteral("\nAlle Optionen: tavix-schallschutz --help"));
        return ExitWrongCall;
    }
    if (help || parser.isSet(VersionOption)) {
        const QString text = help ? parser.helpText()
                                  : QCoreApplication::applicationName() + QLatin1Char(' ') +
                                        QCoreApplication::applicationVersion() + QLatin1Char('\n');
        if (output.write(text.toUtf8()))
            return ExitCalculated;
        printError(output.errorText());
        return ExitFailed;
    }
    const QStringList files = parser.positionalArguments();
    std::optional<ProjectRequirement> requirement;
    if (parser.isSet(RequirementOption))
        requirement = requirementFromArgument(parser.value(RequirementOption));
    if (parser.isSet(PdfOption))
        return writePdfReport(files.constFirst(), parser.value(PdfOption), requirement);
    StudyOptions options;
    options.asText = parser.isSet(TextOption);
    options.decimalSeparator = localeDecimalSeparator();
    options.requirement = requirement;
    return printStudy(files, options, output);
}

} // namespace tavix::app
