// The variant study window driven through the main window's command and the window's own
// buttons, with scripted answers to its questions: opening, adding, clearing, closing,
// the view choice, the scale buttons, copying a chart, and pictures of the window.
#include "fixtures.h"
#include "gui/mainwindow/simplifiedmodel.h"
#include "gui/variants/form_variant.h"
#include "widgettest.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLegend>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>

using namespace tavix;
using namespace tavix::gui;

namespace {

const QString NoResults = QStringLiteral("Es liegen keine Berechnungsergebnisse vor.");
const QString CloseQuestion =
    QString::fromUtf8("Beim Schließen des Formulars gehen die Angaben verloren!\rMöchten Sie die "
                      "Variantenuntersuchung trotzdem beenden?");
const QString ProgramCloseQuestion = QStringLiteral("Beim Schließen des Programms gehen die Angaben der "
                                                    "Variantenuntersuchung verloren!\rMöchten Sie das "
                                                    "Programm trotzdem beenden?");
const QStringList ChartNames{QStringLiteral("Chart_Rw"), QStringLiteral("Chart_DnTW"),
                             QStringLiteral("Chart_RwDnTW")};

struct Study
{
    ScriptedInteraction dialogs;
    TSimplifiedModel window;

    // The results of a recalculation as the study reads them.
    void setResult(long double rw, long double dnTw12, long double dnTw21, const QString &name = {})
    {
        ProjectModel &m = window.model();
        m.Calculated = true;
        m.RwBau = rw;
        m.DnTw12 = dnTw12;
        m.DnTw21 = dnTw21;
        m.fields.Variante = name;
    }
    TForm_Variant *form() const { return window.findChild<TForm_Variant *>(); }
    template<typename T> T *control(const QString &name) const { return form()->findChild<T *>(name); }
    void click(const QString &name) const { control<QAbstractButton>(name)->click(); }
    QString list() const { return control<QPlainTextEdit>(QStringLiteral("memo_Variant"))->toPlainText(); }
    bool chartsVisible() const { return control<QWidget>(QStringLiteral("panel_Chart"))->isVisible(); }
    QChart *chart(const QString &name) const { return control<QChartView>(name)->chart(); }
    QValueAxis *leftAxis(const QString &name) const
    {
        return qobject_cast<QValueAxis *>(chart(name)->axes(Qt::Vertical).value(0));
    }
    QList<QBarSet *> sets(const QString &name) const
    {
        return qobject_cast<QBarSeries *>(chart(name)->series().value(0))->barSets();
    }
    void add(long double rw, long double dnTw12, long double dnTw21, const QString &name = {})
    {
        setResult(rw, dnTw12, dnTw21, name);
        click(QStringLiteral("btn_AddVariant"));
    }
};

QList<qreal> values(const QBarSet *set)
{
    QList<qreal> out;
    for (int i = 0; i < set->count(); ++i)
        out << set->at(i);
    return out;
}

} // namespace

class TestVariantWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void openingNeedsResults();
    void listLinesUseTheLocaleSeparator_data();
    void listLinesUseTheLocaleSeparator();
    void barsOfTheFourSeries();
    void clearingAndProjectCommands();
    void closing_data();
    void closing();
    void scaleButtons_data();
    void scaleButtons();
    void viewChoiceAndChartLook();
    void sizeAndPlaceStayAcrossSwitches();
    void copyingAChart_data();
    void copyingAChart();
    void pictures();
};

void TestVariantWindow::openingNeedsResults()
{
    Study s;
    s.window.button_VariantClick();
    QCOMPARE(s.dialogs.texts(), QStringList{NoResults});
    QCOMPARE(s.dialogs.recorded.first().kind, MessageKind::Information);
    QVERIFY(!s.form() || !s.form()->isVisible());

    // With results the tool bar button opens the window beside the main window.
    s.window.model() = fixtures::workedExample(QLatin1Char(','));
    s.window.refreshFromModel();
    s.window.session().Recalculate();
    s.window.show();
    s.window.findChild<QToolButton *>(QStringLiteral("button_Variant"))->click();
    QVERIFY(s.form()->isVisible());
    QVERIFY(s.window.isEnabled());
    QCOMPARE(s.form()->windowTitle(), QStringLiteral("Variantenuntersuchung"));
    QVERIFY(!s.form()->isModal());
    QVERIFY(!(s.form()->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!s.chartsVisible());
    QCOMPARE(s.dialogs.recorded.size(), 1);
}

void TestVariantWindow::listLinesUseTheLocaleSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("point") << QLocale(QLocale::English, QLocale::UnitedStates)
                           << QString::fromUtf8(
                                  " Variante 1: Massivwand  R´w = 52.3 [dB] / DnT,w = 54.1 [dB]\n"
                                  " Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!\n"
                                  " Variante 2: Vorsatzschale  R´w = 55.0 [dB] / DnT,w = 53.1 [dB]\n"
                                  " Variante 3:   R´w = 55.0 [dB] / Keine Berechnung für DnT,w möglich"
                                  " - Raumvolumen überprüfen!");
    QTest::newRow("comma") << QLocale(QLocale::German, QLocale::Germany)
                           << QString::fromUtf8(
                                  " Variante 1: Massivwand  R´w = 52,3 [dB] / DnT,w = 54,1 [dB]\n"
                                  " Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!\n"
                                  " Variante 2: Vorsatzschale  R´w = 55,0 [dB] / DnT,w = 53,1 [dB]\n"
                                  " Variante 3:   R´w = 55,0 [dB] / Keine Berechnung für DnT,w möglich"
                                  " - Raumvolumen überprüfen!");
}

void TestVariantWindow::listLinesUseTheLocaleSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QLocale::setDefault(locale);
    Study s;
    s.setResult(52.34L, 54.1L, 54.1L, QStringLiteral("Massivwand"));
    s.window.button_VariantClick();
    s.click(QStringLiteral("btn_AddVariant"));
    s.window.model().Calculated = false; // inputs incomplete: a line, nothing else
    s.click(QStringLiteral("btn_AddVariant"));
    QCOMPARE(s.sets(QStringLiteral("Chart_Rw")).first()->count(), 1);
    s.add(55.0L, 54.96L, 53.1L, QStringLiteral("Vorsatzschale"));
    s.add(55.0L, 0, 0); // no room volumes
    QCOMPARE(s.list(), expected);
    QCOMPARE(s.form()->study().lastNumber(), 3);
    QVERIFY(s.dialogs.recorded.isEmpty());
}

void TestVariantWindow::barsOfTheFourSeries()
{
    Study s;
    s.setResult(50, 49, 51);
    s.window.button_VariantClick();
    s.click(QStringLiteral("btn_AddVariant"));
    s.add(55.5L, 56, 54.5L);
    s.add(60, 0, 0);
    const QList<qreal> rw{50, 55.5, 60};
    const QList<qreal> dnTw{49, 54.5, 0}; // the smaller direction; zero when the volumes are missing
    QCOMPARE(values(s.sets(QStringLiteral("Chart_Rw")).value(0)), rw);
    QCOMPARE(values(s.sets(QStringLiteral("Chart_DnTW")).value(0)), dnTw);
    const QList<QBarSet *> both = s.sets(QStringLiteral("Chart_RwDnTW"));
    QCOMPARE(both.size(), 2);
    QCOMPARE(values(both[0]), rw);
    QCOMPARE(values(both[1]), dnTw);
    QCOMPARE(both[0]->label(), QStringLiteral("R'w"));
    QCOMPARE(both[1]->label(), QStringLiteral("DnT,w"));
    QCOMPARE(both[0]->color(), QColor(0, 0, 255));
    QCOMPARE(both[1]->color(), QColor(145, 200, 255));
    QCOMPARE(s.sets(QStringLiteral("Chart_DnTW")).value(0)->label(), QStringLiteral("DnTW"));
    QVERIFY(s.dialogs.recorded.isEmpty());
}

void TestVariantWindow::clearingAndProjectCommands()
{
    Study s;
    s.window.model() = fixtures::workedExample(QLatin1Char(','));
    s.window.refreshFromModel();
    s.window.session().Recalculate();
    s.window.show();
    s.window.button_VariantClick();
    s.click(QStringLiteral("btn_AddVariant"));
    s.click(QStringLiteral("btn_AddVariant"));
    QVERIFY(s.chartsVisible());

    // A new project in the main window leaves the study as it is.
    const QString before = s.list();
    s.dialogs.yesNoAnswers.enqueue(true);
    s.window.FileNewItemClick();
    QCOMPARE(s.dialogs.unexpected, 0);
    QVERIFY(!s.window.model().Calculated);
    QCOMPARE(s.list(), before);
    QCOMPARE(s.form()->study().lastNumber(), 2);
    s.click(QStringLiteral("btn_AddVariant"));
    QVERIFY(s.list().endsWith(
        QString::fromUtf8(" Eingabefehler für aktuelle Variante -> keine Berechnung möglich!!")));

    // Clearing empties list and charts; the next variant is number 1 again.
    s.click(QStringLiteral("btn_ClearVariant"));
    QVERIFY(s.list().isEmpty());
    QVERIFY(!s.chartsVisible());
    for (const QString &name : ChartNames) {
        for (const QBarSet *set : s.sets(name))
            QCOMPARE(set->count(), 0);
        auto *numbers = qobject_cast<QCategoryAxis *>(s.chart(name)->axes(Qt::Horizontal).value(0));
        QVERIFY(numbers->categoriesLabels().isEmpty());
    }
    QVERIFY(s.form()->isVisible());
    s.add(52, 51, 53, QStringLiteral("neu"));
    QCOMPARE(s.list(), QString::fromUtf8(" Variante 1: neu  R´w = 52,0 [dB] / DnT,w = 51,0 [dB]"));
    QVERIFY(s.chartsVisible());
    QCOMPARE(s.dialogs.recorded.size(), 1); // the question of "Neu" only
}

void TestVariantWindow::closing_data()
{
    QTest::addColumn<int>("additions");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QString>("closedBy"); // the close button, the window system or the program
    QTest::addColumn<bool>("stillOpen");
    QTest::newRow("empty list asks nothing") << 0 << QList<bool>{} << QStringLiteral("button") << false;
    QTest::newRow("answer no keeps the window")
        << 1 << QList<bool>{false} << QStringLiteral("button") << true;
    QTest::newRow("answer yes ends the study") << 1 << QList<bool>{true} << QStringLiteral("button") << false;
    QTest::newRow("window system close asks too")
        << 1 << QList<bool>{false} << QStringLiteral("window system") << true;
    // The main window asks once for the program, and the study then ends without its own
    // question, which would keep the program running without its main window.
    QTest::newRow("the ending program asks once")
        << 1 << QList<bool>{true} << QStringLiteral("program") << false;
}

void TestVariantWindow::closing()
{
    QFETCH(int, additions);
    QFETCH(QList<bool>, answers);
    QFETCH(QString, closedBy);
    QFETCH(bool, stillOpen);
    Study s;
    s.setResult(53, 52, 52, QStringLiteral("A"));
    s.window.show();
    s.window.button_VariantClick();
    for (int i = 0; i < additions; ++i)
        s.click(QStringLiteral("btn_AddVariant"));
    s.dialogs.yesNoAnswers.append(answers);

    if (closedBy == QStringLiteral("button")) {
        s.click(QStringLiteral("btn_Exit"));
    } else if (closedBy == QStringLiteral("window system")) {
        s.form()->close();
    } else {
        s.window.close(); // the program ends: Qt closes the remaining windows
        QVERIFY(!s.window.isVisible());
        s.form()->close();
        s.window.show();
    }

    const QString asked = closedBy == QStringLiteral("program") ? ProgramCloseQuestion : CloseQuestion;
    QCOMPARE(s.dialogs.texts(), answers.isEmpty() ? QStringList{} : QStringList{asked});
    QCOMPARE(s.dialogs.unexpected, 0);
    QCOMPARE(s.form()->isVisible(), stillOpen);
    QCOMPARE(s.form()->study().isRunning(), stillOpen);

    // Opening again: the running study goes on, an ended one starts empty.
    s.window.button_VariantClick();
    QVERIFY(s.form()->isVisible());
    QCOMPARE(s.list().isEmpty(), !stillOpen || additions == 0);
    QCOMPARE(s.chartsVisible(), stillOpen && additions > 0);
    QCOMPARE(s.sets(QStringLiteral("Chart_RwDnTW")).first()->count(), stillOpen ? additions : 0);
}

void TestVariantWindow::scaleButtons_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QList<double>>("limits"); // bottom and top of Chart_Rw, Chart_DnTW, Chart_RwDnTW
    QTest::newRow("start") << QStringList{} << QList<double>{0, 70, 0, 70, 0, 70};
    QTest::newRow("top up twice") << QStringList{QStringLiteral("btn_UpTop"), QStringLiteral("btn_UpTop")}
                                  << QList<double>{0, 80, 0, 80, 0, 80};
    QTest::newRow("bottom down at zero")
        << QStringList{QStringLiteral("btn_DownBottom")} << QList<double>{0, 70, 0, 70, 0, 70};
    QTest::newRow("bottom up, top down")
        << QStringList{QStringLiteral("btn_UpBottom"), QStringLiteral("btn_UpBottom"),
                       QStringLiteral("btn_DownTop")}
        << QList<double>{10, 65, 10, 65, 10, 65};
    QTest::newRow("automatic fits each chart's bars")
        << QStringList{QStringLiteral("SpeedButton1")} << QList<double>{51, 56, 47, 52, 47, 54};
    QTest::newRow("a step leaves automatic from where it was")
        << QStringList{QStringLiteral("SpeedButton1"), QStringLiteral("btn_UpTop")}
        << QList<double>{51, 61, 47, 57, 47, 59};
}

void TestVariantWindow::scaleButtons()
{
    QFETCH(QStringList, presses);
    QFETCH(QList<double>, limits);
    Study s;
    s.setResult(52.3L, 48.2L, 49);
    s.window.button_VariantClick();
    s.click(QStringLiteral("btn_AddVariant"));
    for (const QString &button : presses)
        s.click(button);
    QList<double> shown;
    for (const QString &name : ChartNames)
        shown << s.leftAxis(name)->min() << s.leftAxis(name)->max();
    QCOMPARE(shown, limits);
    QVERIFY(s.dialogs.recorded.isEmpty());
}

void TestVariantWindow::viewChoiceAndChartLook()
{
    Study s;
    s.setResult(52, 50, 50);
    s.window.button_VariantClick();
    s.click(QStringLiteral("btn_AddVariant"));
    auto visibleCharts = [&s]() {
        QStringList out;
        for (const QString &name : ChartNames)
            if (s.control<QChartView>(name)->isVisible())
                out << name;
        return out;
    };
    QVERIFY(s.control<QRadioButton>(QStringLiteral("rg_RwDnTW"))->isChecked());
    QCOMPARE(visibleCharts(), QStringList{QStringLiteral("Chart_RwDnTW")});
    s.add(55, 53, 54);
    s.click(QStringLiteral("rg_Rw"));
    QCOMPARE(visibleCharts(), QStringList{QStringLiteral("Chart_Rw")});
    // A chart hidden while variants were added numbers them when it is shown.
    auto *numbers =
        qobject_cast<QCategoryAxis *>(s.chart(QStringLiteral("Chart_Rw"))->axes(Qt::Horizontal).value(0));
    QCOMPARE(numbers->categoriesLabels(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    QCOMPARE(numbers->max(), 1.5);
    s.click(QStringLiteral("rg_DnTW"));
    QCOMPARE(visibleCharts(), QStringList{QStringLiteral("Chart_DnTW")});

    const QStringList titles{QStringLiteral("R'w  [dB]"), QStringLiteral("DnT,w  [dB]"),
                             QStringLiteral("R'w / DnT,w  [dB]")};
    for (int i = 0; i < ChartNames.size(); ++i) {
        QChartView *view = s.control<QChartView>(ChartNames[i]);
        QChart *chart = view->chart();
        QVERIFY(!chart->legend()->isVisible());
        QCOMPARE(view->rubberBand(), QChartView::NoRubberBand);
        QCOMPARE(s.leftAxis(ChartNames[i])->titleText(), titles[i]);
        // Labels at both limits, whatever they are.
        auto *axis = qobject_cast<QCategoryAxis *>(s.leftAxis(ChartNames[i]));
        QVERIFY(axis);
        const QStringList labels = axis->categoriesLabels();
        QCOMPARE(labels.first(), QString::number(qRound(axis->min())));
        QCOMPARE(labels.last(), QString::number(qRound(axis->max())));
        QAbstractAxis *bottom = chart->axes(Qt::Horizontal).value(0);
        QCOMPARE(bottom->titleText(), QStringLiteral("Variante"));
        QVERIFY(!bottom->isLineVisible());
        QCOMPARE(qobject_cast<QBarSeries *>(chart->series().value(0))->barWidth(), 0.95);
        QCOMPARE(view->toolTip(),
                 QStringLiteral(
                     " linke Maustaste: Zoom  /  rechte Maustaste: Grafik in Zwischenablage kopieren "));
    }
    QVERIFY(s.dialogs.recorded.isEmpty());
}

void TestVariantWindow::copyingAChart_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("chartName");
    QTest::newRow("both") << QStringLiteral("rg_RwDnTW") << QStringLiteral("ZA1")
                          << QStringLiteral("Chart_RwDnTW");
    QTest::newRow("R'w") << QStringLiteral("rg_Rw") << QStringLiteral("ZA2") << QStringLiteral("Chart_Rw");
    QTest::newRow("DnT,w") << QStringLiteral("rg_DnTW") << QStringLiteral("ZA3")
                           << QStringLiteral("Chart_DnTW");
}

void TestVariantWindow::copyingAChart()
{
    QFETCH(QString, view);
    QFETCH(QString, action);
    QFETCH(QString, chartName);
    Study s;
    s.setResult(52, 50, 50);
    s.window.button_VariantClick();
    s.click(QStringLiteral("btn_AddVariant"));
    s.add(56.5L, 55, 54);
    s.click(view);
    QChartView *chartView = s.control<QChartView>(chartName);
    const QBrush screen = chartView->chart()->backgroundBrush();
    const QMargins margins = chartView->chart()->margins();
    const qsizetype items = chartView->chart()->childItems().size();
    QCOMPARE(chartView->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(chartView->actions().size(), 1);
    QAction *copy = chartView->actions().first();
    QCOMPARE(copy->objectName(), action);
    QCOMPARE(copy->text(), QStringLiteral("Grafik in Zwischenablage kopieren"));
    QGuiApplication::clipboard()->clear();

    copy->trigger();

    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QVERIFY(mime->hasFormat(QStringLiteral("image/svg+xml")));
    QVERIFY(mime->hasImage());
    QVERIFY(!mime->hasText());
    const QByteArray svg = mime->data(QStringLiteral("image/svg+xml"));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QVERIFY(svg.contains("Variante"));
    // The legend names the series of the combined chart only; the copy is on white.
    QCOMPARE(svg.contains(">DnT,w<"), chartName == QStringLiteral("Chart_RwDnTW"));
    const QImage bitmap = qvariant_cast<QImage>(mime->imageData());
    QCOMPARE(bitmap.size(), renderer.viewBox().size());
    QCOMPARE(bitmap.pixelColor(1, 1), QColor(Qt::white));

    // The chart on screen looks as before.
    QCOMPARE(chartView->chart()->backgroundBrush(), screen);
    QCOMPARE(chartView->chart()->margins(), margins);
    QCOMPARE(chartView->chart()->childItems().size(), items);
    QVERIFY(s.dialogs.recorded.isEmpty());
}

// The window keeps its size whichever chart it shows and stays on the free area of the
// screen, also when that is smaller than the window's own size.
void TestVariantWindow::sizeAndPlaceStayAcrossSwitches()
{
    Study s;
    s.window.show();
    s.setResult(52.3L, 48.2L, 49);
    s.window.button_VariantClick();
    s.click(QStringLiteral("btn_AddVariant"));
    QCoreApplication::processEvents();
    const QSize size = s.form()->size();
    for (const char *view : {"rg_Rw", "rg_DnTW", "rg_RwDnTW", "rg_Rw"}) {
        s.click(QString::fromLatin1(view));
        s.add(53.1L, 50, 49.5L);
        QCoreApplication::processEvents();
        QCOMPARE(s.form()->size(), size);
    }
    QVERIFY2(s.form()->screen()->availableGeometry().contains(s.form()->frameGeometry()),
             qPrintable(QDebug::toString(s.form()->frameGeometry())));
    QVERIFY(s.dialogs.recorded.isEmpty());
}

void TestVariantWindow::pictures()
{
    const QString dir = QStringLiteral(TAVIX_BINARY_DIR) + QStringLiteral("/pictures");
    QVERIFY(QDir().mkpath(dir));
    Study s;
    s.window.show();
    s.setResult(52.34L, 54.96L, 53.1L);
    s.window.button_VariantClick();
    const struct
    {
        long double rw, d12, d21;
        const char *name;
    } variants[] = {{52.34L, 54.96L, 53.1L, "Kalksandstein 17,5 cm"},
                    {55.0L, 56.2L, 54.8L, "KS 24 cm"},
                    {58.7L, 0, 0, "KS 24 cm + Vorsatzschale"},
                    {61.2L, 62.0L, 60.4L, "KS 30 cm + Vorsatzschale"}};
    for (const auto &v : variants)
        s.add(v.rw, v.d12, v.d21, QString::fromUtf8(v.name));
    const QStringList views{QStringLiteral("rg_RwDnTW"), QStringLiteral("rg_Rw"), QStringLiteral("rg_DnTW")};
    for (const QString &view : views) {
        s.click(view);
        QCoreApplication::processEvents();
        const QString path = dir + QStringLiteral("/variant-study-") + view.mid(3) + QStringLiteral(".png");
        QVERIFY2(s.form()->grab().save(path), qPrintable(path));
    }
    s.click(QStringLiteral("rg_Rw"));
    s.click(QStringLiteral("SpeedButton1")); // the axis fits the bars: their differences show
    QCoreApplication::processEvents();
    QVERIFY(s.form()->grab().save(dir + QStringLiteral("/variant-study-automatic.png")));
    s.click(QStringLiteral("rg_RwDnTW"));
    s.control<QChartView>(QStringLiteral("Chart_RwDnTW"))->actions().first()->trigger();
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(qvariant_cast<QImage>(mime->imageData())
                .save(dir + QStringLiteral("/variant-study-copied-chart.png")));
    // The vector picture drawn once more, to be looked at beside the bitmap.
    QSvgRenderer svg(mime->data(QStringLiteral("image/svg+xml")));
    QImage drawn(svg.viewBox().size(), QImage::Format_RGB32);
    drawn.fill(Qt::red);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    QVERIFY(drawn.save(dir + QStringLiteral("/variant-study-copied-chart-svg.png")));
    QVERIFY(s.dialogs.recorded.isEmpty());
}

TAVIX_WIDGET_TEST_MAIN(TestVariantWindow)
#include "tst_variantwindow.moc"
